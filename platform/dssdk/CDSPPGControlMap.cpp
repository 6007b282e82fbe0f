// Control maps: flattening and look-up.
#include "platform/dssdk/CDSPPGControlMap.h"

CDSPPGControlMap::CDSPPGControlMap(const char* name, int number, const CDSPPGControlMap* base,
                                   const CDSPPGControlMapEntry* entries)
    : name_(name), number_(number), base_(base), own_(entries) {}

void CDSPPGControlMap::Initialize() const {
    std::call_once(once_, [this] {
        if (base_) {
            base_->Initialize();
            entries_ = base_->Entries();
        }
        for (const CDSPPGControlMapEntry* e = own_; e && !e->IsTerminator(); ++e)
            entries_.push_back(e);
    });
}

const std::vector<const CDSPPGControlMapEntry*>& CDSPPGControlMap::Entries() const {
    Initialize();
    return entries_;
}

const CDSPPGControlMapEntry* CDSPPGControlMap::Find(int controlId) const {
    for (const CDSPPGControlMapEntry* e : Entries())
        if (e->ControlId() == controlId) return e;
    return nullptr;
}
