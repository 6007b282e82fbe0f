// A number field that is typed into and scrubbed.
#include "host/editor/NumberField.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

// A press that moves less than this is a click: it places the text cursor.
constexpr double kDragStart = 3;

}  // namespace

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight);
    setCursor(Qt::SizeHorCursor);
    setToolTip("Type a value, or drag sideways to change it (Shift: finer)");
    connect(this, &QLineEdit::returnPressed, this, [this] { commitText(); });
}

void NumberField::setRange(double min, double max) {
    min_ = min;
    max_ = max;
}

double NumberField::clamp(double v) const { return min_ < max_ ? std::clamp(v, min_, max_) : v; }

void NumberField::setValue(double value) {
    value_ = value;
    if (!hasFocus() || scrubbing_) showValue();
}

void NumberField::showValue() {
    // Enough digits to tell a value from its neighbours in a scrub, no
    // trailing zeros.
    setText(QString::number(value_, 'g', std::abs(value_) >= 1000 ? 7 : 6));
}

void NumberField::commitText() {
    emit textCommitted(text());
    bool ok = false;
    const double typed = text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(typed)) {
        showValue();
        return;
    }
    const double v = clamp(typed);
    setModified(false);
    const bool changed = v != value_;
    value_ = v;
    showValue();
    if (changed) emit valueTyped(v);
}

void NumberField::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLineEdit::mousePressEvent(event);
    pressed_ = true;
    scrubbing_ = false;
    pressX_ = event->position().x();
    pressValue_ = value_;
    steps_ = 0;
}

void NumberField::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return QLineEdit::mouseMoveEvent(event);
    const double dx = event->position().x() - pressX_;
    if (!scrubbing_) {
        if (std::fabs(dx) < kDragStart) return;
        scrubbing_ = true;
        emit scrubStarted();
    }
    const bool fine = event->modifiers() & Qt::ShiftModifier;
    const double steps = fine ? dx / 10 : dx;
    if (steps != steps_) {
        steps_ = steps;
        emit scrubOffset(steps);
    }
    const double v = clamp(pressValue_ + steps * step_);
    if (v == value_) return;
    value_ = v;
    showValue();
    emit valueScrubbed(v);
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return QLineEdit::mouseReleaseEvent(event);
    pressed_ = false;
    if (scrubbing_) {
        scrubbing_ = false;
        emit scrubEnded();
        return;
    }
    // A click: the field takes the keyboard for typing.
    setFocus(Qt::MouseFocusReason);
    selectAll();
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        showValue();
        clearFocus();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isModified()) commitText();
    setModified(false);
    showValue();
}
