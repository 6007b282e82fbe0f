// A property page's dialog mirrored control by control in Qt widgets.
#include "host/editor/PageView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "host/editor/LayerWindowView.h"
#include "host/editor/NumberField.h"
#include "platform/dshost/DsNumberControl.h"
#include "platform/window/FnControlInput.h"
#include "platform/window/FnWindowInput.h"

namespace {

// What the pointer passes through, as the layer's statics and frames do.
void letPointerThrough(QWidget* w) { w->setAttribute(Qt::WA_TransparentForMouseEvents); }

QImage bitmapImage(HBITMAP bitmap) {
    int w = 0, h = 0;
    std::vector<std::uint8_t> bgra;
    if (!bitmap || !FnGetBitmapPixels(bitmap, &w, &h, &bgra) || w <= 0 || h <= 0) return {};
    // BGRA bytes are ARGB32 words on a little-endian machine.
    return QImage(bgra.data(), w, h, w * 4, QImage::Format_ARGB32).copy();
}

}  // namespace

PageView::PageView(EditorWindowSystem& system, HWND dialog, QWidget* parent)
    : QWidget(parent), system_(system), dialog_(dialog) {
    FnDialogFont font;
    if (FnGetDialogFont(dialog_, &font) && font.pixelHeight > 0) {
        // The page's own font, so that its texts fit the rectangles it laid
        // out for them.
        QFont f(QString::fromStdString(font.face));
        f.setPixelSize(font.pixelHeight);
        setFont(f);
    }
    system_.watch(this);
    sync();
}

PageView::~PageView() { system_.unwatch(this); }

QWidget* PageView::widgetFor(HWND control) const {
    for (const Item& i : items_)
        if (i.window == control) return i.widget;
    return nullptr;
}

QWidget* PageView::widgetFor(int id) const {
    return dialog_ ? widgetFor(GetDlgItem(dialog_, id)) : nullptr;
}

std::vector<LayerWindowView*> PageView::glViews() const {
    std::vector<LayerWindowView*> views;
    for (const Item& i : items_)
        if (i.gl) views.push_back(static_cast<LayerWindowView*>(i.widget));
    return views;
}

void PageView::controlChanged(HWND window) {
    if (!dialog_ || syncQueued_) return;
    const bool ours = window == dialog_ || GetParent(window) == dialog_ ||
                      std::any_of(items_.begin(), items_.end(),
                                  [window](const Item& i) { return i.window == window; });
    if (!ours) return;
    // Many changes come at once (a range switch shows and hides a dozen
    // controls): one pass over the dialog once they are done.
    syncQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        if (syncQueued_) sync();
    });
}

void PageView::sync() {
    syncQueued_ = false;
    if (dialog_ && !IsWindow(dialog_)) dialog_ = nullptr;
    std::vector<Item> next;
    if (dialog_) {
        RECT r{};
        GetClientRect(dialog_, &r);
        setFixedSize(std::max<int>(r.right - r.left, 1), std::max<int>(r.bottom - r.top, 1));
        for (HWND child : FnChildWindows(dialog_)) {
            FnControlInfo info;
            if (!FnGetControlInfo(child, &info)) continue;
            auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& i) {
                return i.window == child && i.kind == info.state.kind && i.gl == info.hasGLContext;
            });
            Item item;
            if (it != items_.end()) {
                item = *it;
                items_.erase(it);
            } else {
                item = make(info);
            }
            if (item.widget) show(item, info);
            next.push_back(item);
        }
    }
    for (Item& gone : items_) delete gone.widget;
    items_ = std::move(next);
}

void PageView::pointerTo(HWND control, int x, int y) {
    POINT p{x, y};
    ClientToScreen(control, &p);
    FnInputMouseMove(p.x, p.y);
}

PageView::Item PageView::make(const FnControlInfo& info) {
    Item item{info.window, info.state.kind, info.hasGLContext, nullptr};
    const HWND w = info.window;
    if (info.hasGLContext) {
        auto* view = new LayerWindowView(system_, this);
        view->attach(w, LayerWindowView::Size::FromWindow);
        // The pointer over it without a button is news to it too (a marker
        // or a handle lights up when it is under the pointer).
        view->setMouseTracking(true);
        // Its first picture, whenever it was last asked for.
        InvalidateRect(w, nullptr, FALSE);
        item.widget = view;
        return item;
    }
    switch (info.state.kind) {
    case FnControlKind::Static:
    case FnControlKind::Bitmap: {
        auto* label = new QLabel(this);
        const bool centred = (info.style & SS_TYPEMASK) == SS_CENTER;
        label->setAlignment(Qt::AlignTop | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
        letPointerThrough(label);
        item.widget = label;
        break;
    }
    case FnControlKind::GroupBox: {
        auto* box = new QGroupBox(this);
        letPointerThrough(box);
        item.widget = box;
        break;
    }
    case FnControlKind::CheckBox: {
        auto* check = new QCheckBox(this);
        connect(check, &QCheckBox::clicked, this, [w] { FnUserClick(w); });
        item.widget = check;
        break;
    }
    case FnControlKind::PushButton: {
        auto* button = new QPushButton(this);
        connect(button, &QPushButton::clicked, this, [w] { FnUserClick(w); });
        item.widget = button;
        break;
    }
    case FnControlKind::ComboBox: {
        auto* combo = new QComboBox(this);
        connect(combo, &QComboBox::activated, this, [w](int index) { FnUserPick(w, index); });
        item.widget = combo;
        break;
    }
    case FnControlKind::NumberField: {
        auto* field = new NumberField(this);
        // Typed text goes to the control as typed: it decides what is a
        // number and keeps it to the range.
        connect(field, &NumberField::textCommitted, this,
                [w](const QString& text) { FnUserType(w, text.toStdString()); });
        // A scrub is the same drag on the control, pixel for pixel, so that
        // the page hears its steps and its end.
        connect(field, &NumberField::scrubStarted, this, [this, w] {
            RECT r{};
            GetClientRect(w, &r);
            scrubbed_ = w;
            scrubX_ = int(r.right - r.left) / 2;
            scrubY_ = int(r.bottom - r.top) / 2;
            pointerTo(w, scrubX_, scrubY_);
            FnInputMouseButton(0, true);
        });
        connect(field, &NumberField::scrubOffset, this, [this, w](double steps) {
            if (scrubbed_ == w) pointerTo(w, scrubX_ + int(std::lround(steps)), scrubY_);
        });
        connect(field, &NumberField::scrubEnded, this, [this, w] {
            if (scrubbed_ != w) return;
            scrubbed_ = nullptr;
            FnInputMouseButton(0, false);
        });
        item.widget = field;
        break;
    }
    case FnControlKind::OwnerDrawButton:
    case FnControlKind::Window:
    case FnControlKind::Dialog: break;
    }
    return item;
}

void PageView::show(Item& item, const FnControlInfo& info) {
    QWidget* widget = item.widget;
    const FnControlState& s = info.state;
    const QString text = QString::fromStdString(info.text);
    const QRect rect(int(info.rect.left), int(info.rect.top),
                     std::max<int>(info.rect.right - info.rect.left, 1),
                     std::max<int>(info.rect.bottom - info.rect.top, 1));
    widget->setEnabled(info.enabled);
    widget->setToolTip(QString::fromStdString(s.tip));
    if (item.gl) {
        // Its size follows the window (LayerWindowView); its visibility the
        // control's own flag, since the page is shown whenever its tab is.
        widget->move(rect.topLeft());
        widget->setVisible(info.visible);
        return;
    }
    QRect place = rect;
    // Qt draws a little wider than the page's font metrics allow for: a
    // one-line text (a caption, a check box) takes the width it needs
    // rather than losing its end; the page leaves room to their right.
    auto widenToText = [&] { place.setWidth(std::max(rect.width(), widget->sizeHint().width())); };
    switch (item.kind) {
    case FnControlKind::Static: {
        auto* label = static_cast<QLabel*>(widget);
        label->setText(text);
        const bool oneLine = rect.height() < 2 * label->fontMetrics().height();
        label->setWordWrap(!oneLine);
        if (oneLine) widenToText();
        break;
    }
    case FnControlKind::Bitmap:
        static_cast<QLabel*>(widget)->setPixmap(QPixmap::fromImage(bitmapImage(s.image)));
        break;
    case FnControlKind::GroupBox: static_cast<QGroupBox*>(widget)->setTitle(text); break;
    case FnControlKind::CheckBox: {
        auto* check = static_cast<QCheckBox*>(widget);
        check->setText(text);
        check->setChecked(s.check == BST_CHECKED);
        widenToText();
        break;
    }
    case FnControlKind::PushButton:
        static_cast<QPushButton*>(widget)->setText(text);
        static_cast<QPushButton*>(widget)->setDown(s.pushed);
        break;
    case FnControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        QStringList items;
        for (const std::string& i : s.items) items << QString::fromStdString(i);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(s.selection);
        // The closed list is as tall as its text needs, as on the page.
        place.setHeight(std::max(rect.height(), combo->sizeHint().height()));
        break;
    }
    case FnControlKind::NumberField: {
        auto* field = static_cast<NumberField*>(widget);
        field->setRange(s.minimum, s.maximum);
        // The control's own scrub: the whole range over a fixed drag.
        if (s.maximum > s.minimum) field->setStep((s.maximum - s.minimum) / kDsScrubPixelsPerRange);
        field->setValue(s.value);
        field->setAccessibleName(QString::fromStdString(s.label));
        break;
    }
    default: break;
    }
    widget->setGeometry(place);
    widget->setVisible(info.visible);
}
