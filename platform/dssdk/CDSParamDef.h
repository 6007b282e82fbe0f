// Parameter definitions and the static property maps that bind them to an
// effect's members.
//
// A definition names a parameter to the host: GUID, value type, capability
// word (bit 0: animatable), name and description string ids in the module's
// string table.  This SDK also keeps the default, the property page's range
// and the list texts on the definition, so that a host can show them.  A map
// entry binds a definition to its key and to the member that holds the
// current value.
#pragma once

#include <cstdint>

#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"

class CDSBasePropertyContainer;

class CDSParamDef {
public:
    static constexpr int kMaxListItems = 8;

    CDSParamDef(const GUID& id, HINSTANCE instance, uint32_t fixedWord, VARTYPE type,
                uint32_t capabilities, UINT nameId, UINT shortNameId, UINT descriptionId);

    CDSParamDef& SetDefault(double value) {
        defaultValue_ = value;
        return *this;
    }
    CDSParamDef& SetRange(double minimum, double maximum) {
        hasRange_ = true;
        minimum_ = minimum;
        maximum_ = maximum;
        return *this;
    }
    // String ids of the list texts, index = value (at most kMaxListItems).
    CDSParamDef& SetListItems(const UINT* ids, uint32_t count);

    const GUID& Id() const { return id_; }
    HINSTANCE Instance() const { return instance_; }
    uint32_t FixedWord() const { return fixedWord_; }
    VARTYPE Type() const { return type_; }
    uint32_t Capabilities() const { return capabilities_; }
    bool Animatable() const { return (capabilities_ & 1u) != 0; }
    UINT NameId() const { return nameId_; }
    UINT ShortNameId() const { return shortNameId_; }
    UINT DescriptionId() const { return descriptionId_; }
    double Default() const { return defaultValue_; }
    bool HasRange() const { return hasRange_; }
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    uint32_t ListCount() const { return listCount_; }
    UINT ListItem(uint32_t i) const { return i < listCount_ ? listItems_[i] : 0; }

private:
    GUID id_;
    HINSTANCE instance_;
    uint32_t fixedWord_;
    VARTYPE type_;
    uint32_t capabilities_;
    UINT nameId_, shortNameId_, descriptionId_;
    double defaultValue_ = 0;
    bool hasRange_ = false;
    double minimum_ = 0, maximum_ = 0;
    uint32_t listCount_ = 0;
    UINT listItems_[kMaxListItems] = {};
};

// Where an object keeps a property's current value: a double for VT_R8, a
// 32-bit integer for VT_I4 and VT_BOOL.
using CDSMemberLocator = void* (*)(CDSBasePropertyContainer* object);

class CDSPropertiesMapEntry {
public:
    constexpr CDSPropertiesMapEntry() = default;  // terminates a map
    constexpr CDSPropertiesMapEntry(const CDSParamDef& def, uint32_t key, CDSMemberLocator member)
        : def_(&def), key_(key), member_(member) {}

    const CDSParamDef* Def() const { return def_; }
    uint32_t Key() const { return key_; }
    void* Member(CDSBasePropertyContainer* object) const { return member_(object); }

private:
    const CDSParamDef* def_ = nullptr;
    uint32_t key_ = 0;
    CDSMemberLocator member_ = nullptr;
};

// A terminated entry array and the map whose properties follow it.
struct CDSPropertiesMap {
    const CDSPropertiesMapEntry* entries;
    const CDSPropertiesMap* next;
};
