#include "platform/dssdk/CDSParamDef.h"

CDSParamDef::CDSParamDef(const GUID& id, HINSTANCE instance, uint32_t fixedWord, VARTYPE type,
                         uint32_t capabilities, UINT nameId, UINT shortNameId, UINT descriptionId)
    : id_(id),
      instance_(instance),
      fixedWord_(fixedWord),
      type_(type),
      capabilities_(capabilities),
      nameId_(nameId),
      shortNameId_(shortNameId),
      descriptionId_(descriptionId) {}

CDSParamDef& CDSParamDef::SetListItems(std::initializer_list<UINT> ids) {
    listCount_ = 0;
    for (UINT id : ids) {
        if (listCount_ == kMaxListItems) break;
        listItems_[listCount_++] = id;
    }
    return *this;
}
