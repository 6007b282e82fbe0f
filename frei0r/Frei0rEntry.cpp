// The frei0r entry points of k_colbalance.so: a filter on RGBA8888 frames
// (the effect's 8-bit path), its parameters as Frei0rParams.h maps them.
// Only these functions are exported (frei0r.map).
// frei0r.h declares its functions for C alone.
extern "C" {
#include <frei0r.h>
}

#include <string>

#include "frei0r/Frei0rFilter.h"
#include "resources/FnStrings.h"

namespace {

// The effect's name and description, without the help page's line break.
const char* text(uint32_t id) {
    const char* s = fnLoadString(id);
    return s ? s : "";
}

const std::string& explanation() {
    static const std::string s = [] {
        std::string t = text(1100);
        while (!t.empty() && (t.back() == '\n' || t.back() == ' ')) t.pop_back();
        return t;
    }();
    return s;
}

Frei0rFilter* filterOf(f0r_instance_t instance) { return static_cast<Frei0rFilter*>(instance); }

}  // namespace

extern "C" {

int f0r_init() {
    explanation();
    return 1;
}

void f0r_deinit() {}

void f0r_get_plugin_info(f0r_plugin_info_t* info) {
    if (!info) return;
    info->name = text(1);
    info->author = "Quorrel";
    info->plugin_type = F0R_PLUGIN_TYPE_FILTER;
    info->color_model = F0R_COLOR_MODEL_RGBA8888;
    info->frei0r_version = FREI0R_MAJOR_VERSION;
    info->major_version = 1;
    info->minor_version = 0;
    info->num_params = int(kFrei0rParamCount);
    info->explanation = explanation().c_str();
}

void f0r_get_param_info(f0r_param_info_t* info, int index) {
    if (!info || index < 0 || size_t(index) >= kFrei0rParamCount) return;
    const Frei0rParam& p = kFrei0rParams[size_t(index)];
    info->name = p.name();
    info->type = p.kind() == Frei0rParam::Kind::Switch ? F0R_PARAM_BOOL : F0R_PARAM_DOUBLE;
    info->explanation = p.explanation();
}

f0r_instance_t f0r_construct(unsigned int width, unsigned int height) {
    return Frei0rFilter::create(width, height).release();
}

void f0r_destruct(f0r_instance_t instance) { delete filterOf(instance); }

// Both parameter types the filter has, bool and double, are a double.
void f0r_set_param_value(f0r_instance_t instance, f0r_param_t param, int index) {
    if (instance && param) filterOf(instance)->setParam(index, *static_cast<const double*>(param));
}

void f0r_get_param_value(f0r_instance_t instance, f0r_param_t param, int index) {
    if (!instance || !param) return;
    if (const auto f = filterOf(instance)->param(index)) *static_cast<double*>(param) = *f;
}

void f0r_update(f0r_instance_t instance, double, const uint32_t* inframe, uint32_t* outframe) {
    if (instance) filterOf(instance)->update(inframe, outframe);
}

}  // extern "C"
