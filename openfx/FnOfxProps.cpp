#include "openfx/FnOfxProps.h"

#include "openfx/FnOfxSuites.h"

FnOfxProps::FnOfxProps(OfxPropertySetHandle set) : set_(set), suite_(fnOfxSuites().property) {
    if (!set_ || !suite_) status_ = kOfxStatErrBadHandle;
}

FnOfxProps& FnOfxProps::note(OfxStatus s) {
    if (status_ == kOfxStatOK && s != kOfxStatOK) status_ = s;
    return *this;
}

FnOfxProps& FnOfxProps::set(const char* name, const char* value, int index) {
    return status_ != kOfxStatOK ? *this : note(suite_->propSetString(set_, name, index, value));
}

FnOfxProps& FnOfxProps::set(const char* name, int value, int index) {
    return status_ != kOfxStatOK ? *this : note(suite_->propSetInt(set_, name, index, value));
}

FnOfxProps& FnOfxProps::set(const char* name, double value, int index) {
    return status_ != kOfxStatOK ? *this : note(suite_->propSetDouble(set_, name, index, value));
}

FnOfxProps& FnOfxProps::set(const char* name, void* value, int index) {
    return status_ != kOfxStatOK ? *this : note(suite_->propSetPointer(set_, name, index, value));
}

FnOfxProps& FnOfxProps::set(const char* name, std::initializer_list<const char*> values) {
    int i = 0;
    for (const char* v : values) set(name, v, i++);
    return *this;
}

FnOfxProps& FnOfxProps::set(const char* name, const double* values, int count) {
    return status_ != kOfxStatOK ? *this : note(suite_->propSetDoubleN(set_, name, count, values));
}

bool FnOfxProps::get(const char* name, const char*& value, int index) const {
    char* v = nullptr;
    if (!set_ || !suite_ || suite_->propGetString(set_, name, index, &v) != kOfxStatOK || !v)
        return false;
    value = v;
    return true;
}

bool FnOfxProps::get(const char* name, int& value, int index) const {
    int v = 0;
    if (!set_ || !suite_ || suite_->propGetInt(set_, name, index, &v) != kOfxStatOK) return false;
    value = v;
    return true;
}

bool FnOfxProps::get(const char* name, double& value, int index) const {
    double v = 0;
    if (!set_ || !suite_ || suite_->propGetDouble(set_, name, index, &v) != kOfxStatOK)
        return false;
    value = v;
    return true;
}

bool FnOfxProps::get(const char* name, void*& value, int index) const {
    void* v = nullptr;
    if (!set_ || !suite_ || suite_->propGetPointer(set_, name, index, &v) != kOfxStatOK)
        return false;
    value = v;
    return true;
}

bool FnOfxProps::get(const char* name, double* values, int count) const {
    return set_ && suite_ && suite_->propGetDoubleN(set_, name, count, values) == kOfxStatOK;
}

bool FnOfxProps::get(const char* name, int* values, int count) const {
    return set_ && suite_ && suite_->propGetIntN(set_, name, count, values) == kOfxStatOK;
}
