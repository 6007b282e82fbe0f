#include "ui/toolkit/FnToolkitModule.h"

#include "ui/toolkit/FnTDraw.h"
#include "ui/toolkit/FnwGLWindow.h"

void fnToolkitDetach() {
    FnwGLWindow::UnregisterWindowClass();
    FnwWindow::UnregisterWindowClass();
    FnTDraw::ReleaseQuadric();
}
