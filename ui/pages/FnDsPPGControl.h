// FnDsPPGControl: one bound control of a property page, a member of the
// page.  Page code reads and writes the control's parameter through it and
// shows, hides, ranges and fills the control.  It comes in two kinds: the
// number kind (a host number control, a double value, written as an
// animated parameter) and the integer kind (check boxes and combo boxes, a
// 32-bit value).  The value field of its kind is the control's bound
// variable in the page's control map, so the host keeps it equal to the
// control.  A record marked local only never reads or writes the host: its
// value lives on the page.  The record's row of the parameter table gives
// its control's range or list and its default.
#pragma once

#include <cstdint>

#include "platform/com/Guid.h"
#include "platform/window/FnWin32.h"

class FnDsPPG;
struct ColBalanceParamSpec;

struct FnDsPPGControl {
    enum class Kind : uint8_t { Number, Integer };

    FnDsPPG* page;
    uint32_t controlId;  // 0: none
    uint32_t labelId;    // 0: none
    const ColBalanceParamSpec* param;
    uint8_t localOnly;
    Kind kind;
    double number;      // the number kind's bound variable
    int32_t integer;    // the integer kind's bound variable
    uint32_t animated;  // number kind: reads and writes go through the animated calls

    // The record of `spec`'s control: the kind from its value type, local
    // only 0, animated 1 for numbers, the value 0.
    void Fill(FnDsPPG* owner, uint32_t control, uint32_t label, const ColBalanceParamSpec& spec);
    // The parameter's GUID (GUID_NULL for a record never filled).
    const GUID& Parameter() const;

    // Number kind.  SetDouble stores the value, writes the parameter unless
    // local only, and shows the value in the control.
    void SetDouble(double v);
    // While the page handles a property change (and not local only) the
    // host's value when it gives one; otherwise the bound variable.  0
    // without a page.
    double GetDouble();
    // During a property change: the notification's value (or the host's)
    // into the bound variable when the change is this record's parameter
    // or every parameter.  True when the bound variable was set.
    bool RefreshFromNotification();

    // Integer kind, as the number kind's.
    void SetLong(int32_t v);
    void SetBool(int32_t v);
    int32_t GetLong();
    int32_t GetBool();

    // The control as its parameter's row describes it: a number control
    // gets the page range, a list its texts (the first one selected).
    void InitControl();
    // The parameter's default, written as the user would (Reset).
    void SetDefault();

    // The control and its label shown or hidden.
    void Show(bool visible);
    // The host control's range (through its "DSCTLIFACE" interface).
    void SetRange(double minimum, double maximum);
    // Combo boxes: empty the list; add string `stringId` of the module's
    // table, and make it the selection when `select` is non-zero.
    void ClearList();
    void AddListString(uint32_t stringId, int select);

private:
    HWND Control() const;
};
