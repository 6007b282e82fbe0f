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

CDSParamDef& CDSParamDef::SetListItems(const UINT* ids, uint32_t count) {
    listCount_ = 0;
    for (uint32_t i = 0; ids && i < count && listCount_ < kMaxListItems; ++i)
        listItems_[listCount_++] = ids[i];
    return *this;
}
