// PageView: a property page's dialog shown with Qt widgets.  Every control
// of the dialog gets a widget of its own kind at the control's rectangle
// (number fields, check boxes, lists, buttons, labels, frames), kept in step
// with what the window layer says the control shows; the page's OpenGL
// controls are shown as they draw, through a LayerWindowView each.
//
// Whatever the user does to a widget goes back into the layer as the same
// user action on the control (FnControlInput.h, or the pointer for a
// scrub), so that the control's procedure and the page decide what it
// means, as they would for a user of the page itself.
#pragma once

#include <QWidget>

#include <vector>

#include "host/editor/EditorWindowSystem.h"
#include "platform/window/FnControlState.h"

class LayerWindowView;

class PageView final : public QWidget, private LayerControlWatcher {
    Q_OBJECT
public:
    // Mirrors `dialog` (a page's dialog of the window layer) until it goes.
    PageView(EditorWindowSystem& system, HWND dialog, QWidget* parent = nullptr);
    ~PageView() override;

    HWND dialog() const { return dialog_; }
    // The widget mirroring a control of the dialog (by its window or its
    // dialog item id); null when there is none.
    QWidget* widgetFor(HWND control) const;
    QWidget* widgetFor(int id) const;
    // The views of the page's OpenGL controls, in creation order.
    std::vector<LayerWindowView*> glViews() const;

    // Brings every widget in step with its control now (changes otherwise
    // arrive together on the next event-loop turn).
    void sync();

private:
    struct Item {
        HWND window = nullptr;
        FnControlKind kind = FnControlKind::Window;
        bool gl = false;
        QWidget* widget = nullptr;
    };

    void controlChanged(HWND window) override;
    Item make(const FnControlInfo& info);
    void show(Item& item, const FnControlInfo& info);
    // The pointer of the layer at a point of a control's client area.
    void pointerTo(HWND control, int x, int y);

    EditorWindowSystem& system_;
    HWND dialog_ = nullptr;
    std::vector<Item> items_;
    bool syncQueued_ = false;
    // The scrub being forwarded: its control and where it was pressed.
    HWND scrubbed_ = nullptr;
    int scrubX_ = 0, scrubY_ = 0;
};
