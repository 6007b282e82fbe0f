#pragma once
// Test host for the toolkit: a headless window system with llvmpipe pinned
// (so frames repeat byte for byte), a visible top-level parent window, and
// the pointer and painting as a user and the system would drive them.

#include <gtest/gtest.h>
#include "platform/window/FnFrame.h"
#include "platform/window/FnHeadlessWindowSystem.h"
#include "platform/window/FnWin32.h"
#include "ui/toolkit/FnwTrouser.h"

#include <memory>
#include <string>

class ToolkitTest : public ::testing::Test {
protected:
    static constexpr int kHostX = 200, kHostY = 100;  // host window's screen position

    void SetUp() override;
    void TearDown() override;

    static FnHeadlessWindowSystem& System();

    // A widget host window over the rectangle (inclusive right and bottom) of
    // the host window's client area.
    std::unique_ptr<FnwTrouser> MakeTrouser(int left, int top, int right, int bottom);

    // Pointer at widget coordinates (x right, y up) of a window, as the host
    // window maps them: client y = height - y.
    static void PointerTo(const FnwWindow& window, int x, int y);
    static void LeftButton(bool down);
    // Invalidates and updates the window, then returns its presented frame.
    static FnFrame Paint(HWND window);
    // Saves the window's last frame under the test's output directory.
    static void SavePng(HWND window, const std::string& name);

    HWND host_ = nullptr;
};

// Pixel helpers on a frame, y counted upwards as GL draws.
bool PixelIs(const FnFrame& f, int x, int y, int r, int g, int b);
std::string PixelText(const FnFrame& f, int x, int y);
