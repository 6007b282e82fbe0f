// The module's dialogs, bitmaps and wide strings, found through its
// instance record (DSModuleInstance) the way the platform finds a module's
// resources: what the property-page base needs beside LoadStringA.
#pragma once

#include "platform/dssdk/DSModuleInstance.h"
#include "platform/window/FnWin32.h"

// String `id` as UTF-16 into `buffer` (at most max - 1 units and a
// terminator); the units copied, 0 when there is no such string.
int LoadStringW(HINSTANCE instance, UINT id, WCHAR* buffer, int max);
// Dialog template `id`, or null.
const FnDialogTemplate* DSFindDialog(HINSTANCE instance, UINT id);
// A new bitmap (DeleteObject frees it) from bitmap resource `name`
// (MAKEINTRESOURCEW(id)); null when there is none.
HBITMAP LoadBitmapW(HINSTANCE instance, const WCHAR* name);
