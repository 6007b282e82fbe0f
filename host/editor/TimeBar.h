// TimeBar: the frame slider and frame number below the viewer, for
// sequences.  Setting the range or the frame from the session does not
// echo back as a choice.
#pragma once

#include <QWidget>

class QSlider;
class QSpinBox;

class TimeBar final : public QWidget {
    Q_OBJECT
public:
    explicit TimeBar(QWidget* parent = nullptr);

    void setRange(long first, long last);
    void setFrame(long frame);

signals:
    // The user moved to another frame.
    void frameChosen(long frame);

private:
    QSlider* const slider_;
    QSpinBox* const box_;
};
