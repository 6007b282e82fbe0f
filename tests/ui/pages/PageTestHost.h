#pragma once
// Test host for the property pages: the module loaded as a host loads it,
// an effect in the filter family (or another), the host's page editor with
// a small source frame, the headless window system with llvmpipe pinned,
// and the user's pointer and keys through the window layer.

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
#include "platform/window/FnHeadlessWindowSystem.h"
#include "platform/window/FnWindowInput.h"

// The installed headless window system.
FnHeadlessWindowSystem& PageTestSystem();

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
    double Value(const GUID& id) const;
    // The page's widget host window (its one OpenGL child).
    HWND WidgetHost(size_t page) const;
    // The pointer to a point of a GL window in widget coordinates (y up).
    static void PointerTo(HWND glWindow, float x, float y);
    static void LeftButton(bool down) { FnInputMouseButton(0, down); }
    // The page as the headless front end draws it; saved under the test's
    // output directory when `name` is given.
    FnFrame Paint(size_t page, const char* name = nullptr);
    size_t UndoCount() const { return host->undoStack().undoCount(); }

    DsHostServices services;
    DsModuleLoader module;
    ComPtr<IDSImageEffect> fx;
    ComPtr<IDSPropertyContainer> props;
    std::unique_ptr<DsPageHost> host;
    ComPtr<DsImage> source;
};
