// NumberField: a number control as a property page shows one.  Typing a
// value and pressing Enter (or leaving the field) commits it; dragging
// sideways on the field scrubs the value through its range, a step per
// pixel (a tenth of one with Shift), and the whole drag is one edit.
#pragma once

#include <QLineEdit>

class NumberField final : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);

    // The range values keep to (none when min >= max) and the drag step.
    void setRange(double min, double max);
    void setStep(double step) { step_ = step; }
    // Shows a value; no signal.
    void setValue(double value);
    double value() const { return value_; }
    bool scrubbing() const { return scrubbing_; }

signals:
    // A drag started; valueScrubbed follows for each move, then scrubEnded.
    void scrubStarted();
    void valueScrubbed(double value);
    void scrubEnded();
    // The drag's distance from the press in steps (pixels, tenths with
    // Shift), for owners that scrub through a control of their own.
    void scrubOffset(double steps);
    // A typed value was committed.
    void valueTyped(double value);
    // Typed text was committed, as it was typed (whether or not a number).
    void textCommitted(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double clamp(double v) const;
    void commitText();
    void showValue();

    double value_ = 0, min_ = 0, max_ = 0, step_ = 1;
    bool pressed_ = false, scrubbing_ = false;
    double pressX_ = 0, pressValue_ = 0;
    double steps_ = 0;
};
