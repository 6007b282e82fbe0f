// The host's number control in a dialog: what a user types is clamped to
// the range or refused, scrubbing moves the value by the range's share of
// the drag and ends with one completion, the page's own values are shown
// as given, and the state a front end reads follows.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/dshost/DsNumberControl.h"
#include "platform/dssdk/DSControls.h"
#include "platform/window/FnControlInput.h"
#include "platform/window/FnControlState.h"
#include "tests/support/FnUserScrub.h"

namespace {

int gInstance = 0;

struct Heard {
    UINT message;
    int id;
};
std::vector<Heard>* gHeard = nullptr;
const DSControlMessages* gMessages = nullptr;

INT_PTR CALLBACK Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!gHeard || !gMessages) return FALSE;
    if (message == gMessages->notify || message == gMessages->scrub ||
        message == gMessages->notifyComp) {
        gHeard->push_back({message, int(wParam)});
        return TRUE;
    }
    if (message == gMessages->toolTip) {
        auto* tip = reinterpret_cast<DSCTLTOOLTIP*>(lParam);
        std::snprintf(tip->text, sizeof tip->text, "tip %d", int(wParam));
        return TRUE;
    }
    return FALSE;
}

constexpr FnDialogItem kItems[] = {
    {"dsnewnumberctrl", "Hue;class=dsnewnumberctrl;min=-720;max=720", 5, WS_VISIBLE, 4, 4, 82, 12},
    {"STATIC", "x", 6, WS_VISIBLE, 4, 30, 10, 8},
};
constexpr FnDialogTemplate kTemplate{WS_VISIBLE, 100, 50, "", "Arial", 11, kItems, 2};

class NumberControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DsRegisterNumberControl());
        gHeard = &heard;
        gMessages = &messages;
        parent = CreateWindowExA(0, "STATIC", "", WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr,
                                 &gInstance, nullptr);
        dialog = CreateDialogIndirectParamW(&gInstance, &kTemplate, parent, Proc, 0);
        ASSERT_NE(dialog, nullptr);
        control = GetDlgItem(dialog, 5);
        ASSERT_NE(control, nullptr);
        auto* unknown = static_cast<IUnknown*>(GetPropA(control, DS_CONTROL_INTERFACE_PROP));
        ASSERT_NE(unknown, nullptr);
        ASSERT_EQ(unknown->QueryInterface(IID_IDSControlValue, value.putVoid()), S_OK);
        ASSERT_EQ(unknown->QueryInterface(IID_IDSControlRange, range.putVoid()), S_OK);
    }
    void TearDown() override {
        value.reset();
        range.reset();
        DestroyWindow(parent);
        gHeard = nullptr;
    }
    double shown() const {
        DSVARIANT v;
        EXPECT_EQ(value->GetValue(&v), S_OK);
        return v.dblVal;
    }
    size_t count(UINT message) const {
        return size_t(std::count_if(heard.begin(), heard.end(),
                                    [message](const Heard& h) { return h.message == message; }));
    }

    DSControlMessages messages;
    std::vector<Heard> heard;
    HWND parent = nullptr, dialog = nullptr, control = nullptr;
    ComPtr<IDSControlValue> value;
    ComPtr<IDSControlRange> range;
};

}  // namespace

TEST_F(NumberControlTest, ReadsItsLabelAndRangeFromTheTemplateText) {
    const FnControlState s = FnGetControlState(control);
    EXPECT_EQ(s.kind, FnControlKind::NumberField);
    EXPECT_EQ(s.label, "Hue");
    EXPECT_EQ(s.minimum, -720);
    EXPECT_EQ(s.maximum, 720);
    EXPECT_EQ(s.valueText, "0");
    EXPECT_EQ(s.tip, "tip 5");
    DSVARIANT lo, hi;
    ASSERT_EQ(range->GetRange(&lo, &hi), S_OK);
    EXPECT_EQ(lo.dblVal, -720);
    EXPECT_EQ(hi.dblVal, 720);
}

TEST_F(NumberControlTest, TypedNumbersAreClampedAndTextIsRefused) {
    ASSERT_TRUE(FnUserType(control, "1000"));
    EXPECT_EQ(shown(), 720);
    EXPECT_EQ(count(messages.notify), 1u);
    ASSERT_TRUE(FnUserType(control, " -12.5 "));
    EXPECT_EQ(shown(), -12.5);
    EXPECT_EQ(FnGetControlState(control).valueText, "-12.5");
    for (const char* refused : {"abc", "nan", "inf", "1e999", "12x", ""}) {
        ASSERT_TRUE(FnUserType(control, refused));
        EXPECT_EQ(shown(), -12.5) << refused;
        EXPECT_FALSE(FnGetControlState(control).editing) << refused;
    }
    EXPECT_EQ(count(messages.notify), 2u);
    ASSERT_TRUE(FnUserType(control, "1e308"));
    EXPECT_EQ(shown(), 720);

    // Escape drops what was typed; moving the focus away commits it.
    ASSERT_TRUE(FnUserType(control, "33", false));
    EXPECT_EQ(FnGetControlState(control).editText, "33");
    FnUserKey(VK_ESCAPE);
    EXPECT_EQ(shown(), 720);
    ASSERT_TRUE(FnUserType(control, "44", false));
    FnUserKey(VK_BACK);
    SetFocus(nullptr);
    EXPECT_EQ(shown(), 4);
}

TEST_F(NumberControlTest, ScrubbingMovesTheValueAndEndsOnce) {
    ASSERT_TRUE(FnUserScrub(control, 40));
    // 40 pixels of a 1440-wide range over 400 pixels.
    EXPECT_DOUBLE_EQ(shown(), 40 * 1440.0 / kDsScrubPixelsPerRange);
    EXPECT_GT(count(messages.scrub), 1u);
    EXPECT_EQ(count(messages.notifyComp), 1u);
    EXPECT_FALSE(FnGetControlState(control).scrubbing);
    heard.clear();
    ASSERT_TRUE(FnUserScrub(control, -100000));
    EXPECT_EQ(shown(), -720);
    // A click without a drag is no scrub.
    heard.clear();
    ASSERT_TRUE(FnUserClick(control));
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(GetFocus(), control);
}

TEST_F(NumberControlTest, PageValuesShowAsGivenAndBadOnesAreRefused) {
    const DSVARIANT far = DSVariantDouble(2000);
    EXPECT_EQ(value->SetValue(&far), S_OK);
    EXPECT_EQ(shown(), 2000);  // outside the range: the page's business
    EXPECT_TRUE(heard.empty());
    const DSVARIANT nan = DSVariantDouble(std::nan(""));
    EXPECT_EQ(value->SetValue(&nan), E_INVALIDARG);
    EXPECT_EQ(value->SetValue(nullptr), E_POINTER);
    const DSVARIANT lo = DSVariantDouble(0), hi = DSVariantDouble(100),
                    inf = DSVariantDouble(INFINITY);
    EXPECT_EQ(range->SetRange(&hi, &lo), E_INVALIDARG);
    EXPECT_EQ(range->SetRange(&lo, &inf), E_INVALIDARG);
    EXPECT_EQ(range->SetRange(&lo, &hi), S_OK);
    EXPECT_EQ(FnGetControlState(control).maximum, 100);
    EXPECT_EQ(shown(), 2000);  // a new range moves no value

    // Once its window is gone the interface refuses politely.
    IDSControlValue* held = value.get();
    held->AddRef();
    DestroyWindow(dialog);
    DSVARIANT v;
    EXPECT_EQ(held->GetValue(&v), E_UNEXPECTED);
    held->Release();
}
