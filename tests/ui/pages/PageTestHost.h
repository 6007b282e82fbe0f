#pragma once
// Test host for the property pages: the module loaded as a host loads it,
// an effect in the filter family (or another), the host's page editor with
// a small source frame and the parameters kept with undo as a host keeps
// them (DsUndoStore), the tests' headless window system, and the user's
// pointer and keys through the window layer.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "effect/ColBalanceApi.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"
#include "platform/dshost/DsPageHost.h"
#include "platform/window/FnControlInput.h"
#include "platform/window/FnControlState.h"
#include "platform/window/FnFrame.h"
#include "platform/window/FnWindowInput.h"
#include "tests/support/DsUndoStore.h"
#include "tests/support/FnTestWindowSystem.h"

// The installed headless window system.
FnRecordingWindowSystem& PageTestSystem();

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The family the effect is used in.
    virtual GUID Family() const { return DSFAMILY_FILTER; }

    // Opens a page on the effect; its index.
    size_t Open(REFCLSID page);
    HWND Item(size_t page, int id) const { return GetDlgItem(host->dialog(page), id); }
    FnControlState State(size_t page, int id) const { return FnGetControlState(Item(page, id)); }
    bool Shown(size_t page, int id) const { return IsWindowVisible(Item(page, id)) != FALSE; }
    // A control's text (a static's caption).
    std::string Text(size_t page, int id) const;
    double Value(const GUID& id) const;
    // The page's widget host window (its one OpenGL child), and a window's
    // client rectangle.
    HWND WidgetHost(size_t page) const;
    static RECT ClientRect(HWND window);
    // The pointer to a point of a GL window in widget coordinates (y up).
    static void PointerTo(HWND glWindow, float x, float y);
    static void LeftButton(bool down) { FnInputMouseButton(0, down); }
    // A press at one point, a move to another and the release.
    static void Drag(HWND glWindow, float fromX, float fromY, float toX, float toY);
    // The page as the headless front end draws it; saved under the test's
    // output directory when `name` is given.
    FnFrame Paint(size_t page, const char* name = nullptr);
    size_t UndoCount() const { return store->stack().undoCount(); }
    // A new effect of the module in `family`, defaults set.
    ComPtr<IDSImageEffect> NewEffect(const GUID& family);

    DsHostServices services;
    DsModuleLoader module;
    ComPtr<IDSImageEffect> fx;
    ComPtr<IDSPropertyContainer> props;
    std::unique_ptr<DsPageHost> host;
    std::unique_ptr<DsUndoStore> store;
    ComPtr<DsImage> source;
};
