// CDSPPGControlMap and CDSPPGControlMapEntry: how a property page binds its
// dialog controls to properties.  Each entry names the property, its type,
// the page member that holds the value (the bound variable), the control,
// the page operation to call after the user changed it, and the host's
// flags.  A map chains to a base map whose entries come first.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/com/Guid.h"

class CDSBasePropertyPage;

// Where a page keeps an entry's value: a double for VT_R8, an int32_t for
// VT_I4 and VT_BOOL.  Null: no bound variable (buttons, the terminator).
using CDSBoundVariable = void* (*)(CDSBasePropertyPage* page);
// A page operation called after the user changed the control.
using CDSControlHandler = void (CDSBasePropertyPage::*)();

// The property of buttons that are bound to no property.
inline constexpr GUID DSPROP_BUTTON = "{96BBD590-4EBD-11D0-82B5-00A0243F1013}"_guid;

// Host control-map flags.
enum : uint32_t {
    DS_PPG_NUMBER = 1,      // a host number control
    DS_PPG_TERMINATOR = 2,  // the entry that ends a map
    DS_PPG_LIST = 16,       // a check box or a combo box
    DS_PPG_BUTTON = 18,     // a push button (its handler only)
};

class CDSPPGControlMapEntry {
public:
    // The terminator.
    constexpr CDSPPGControlMapEntry()
        : property_(GUID_NULL),
          propertyType_(0),
          bound_(nullptr),
          controlType_(0),
          controlId_(-1),
          handler_(nullptr),
          flags_(DS_PPG_TERMINATOR),
          descriptionId_(-1),
          last_(-1) {}
    constexpr CDSPPGControlMapEntry(const GUID& property, VARTYPE propertyType,
                                    CDSBoundVariable bound, VARTYPE controlType, int controlId,
                                    CDSControlHandler handler, uint32_t flags, int descriptionId,
                                    int last)
        : property_(property),
          propertyType_(propertyType),
          bound_(bound),
          controlType_(controlType),
          controlId_(controlId),
          handler_(handler),
          flags_(flags),
          descriptionId_(descriptionId),
          last_(last) {}

    const GUID& Property() const { return property_; }
    VARTYPE PropertyType() const { return propertyType_; }
    CDSBoundVariable Bound() const { return bound_; }
    VARTYPE ControlType() const { return controlType_; }
    int ControlId() const { return controlId_; }
    CDSControlHandler Handler() const { return handler_; }
    uint32_t Flags() const { return flags_; }
    int DescriptionId() const { return descriptionId_; }
    int Last() const { return last_; }
    bool IsTerminator() const { return flags_ == DS_PPG_TERMINATOR && controlId_ == -1; }
    bool IsButton() const { return property_ == DSPROP_BUTTON; }

private:
    GUID property_;
    VARTYPE propertyType_;
    CDSBoundVariable bound_;
    VARTYPE controlType_;
    int controlId_;
    CDSControlHandler handler_;
    uint32_t flags_;
    int descriptionId_;
    int last_;
};

class CDSPPGControlMap {
public:
    // `entries` ends with a terminator; `base` may be null.
    CDSPPGControlMap(const char* name, int number, const CDSPPGControlMap* base,
                     const CDSPPGControlMapEntry* entries);

    // Gathers the base map's entries and this map's (once).
    void Initialize() const;

    const char* Name() const { return name_; }
    int Number() const { return number_; }
    // Every entry, base map first, without terminators (after Initialize).
    const std::vector<const CDSPPGControlMapEntry*>& Entries() const;
    // The entry of a control id, or null.
    const CDSPPGControlMapEntry* Find(int controlId) const;

private:
    const char* name_;
    int number_;
    const CDSPPGControlMap* base_;
    const CDSPPGControlMapEntry* own_;
    mutable std::once_flag once_;
    mutable std::vector<const CDSPPGControlMapEntry*> entries_;
};
