#include "host/editor/TimeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

TimeBar::TimeBar(QWidget* parent)
    : QWidget(parent), slider_(new QSlider(Qt::Horizontal)), box_(new QSpinBox) {
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(8, 4, 8, 4);
    slider_->setObjectName("frameSlider");
    box_->setObjectName("frameBox");
    box_->setKeyboardTracking(false);
    h->addWidget(new QLabel("Frame"));
    h->addWidget(slider_, 1);
    h->addWidget(box_);
    connect(slider_, &QSlider::valueChanged, this, [this](int f) { emit frameChosen(f); });
    connect(box_, &QSpinBox::valueChanged, this, [this](int f) { emit frameChosen(f); });
}

void TimeBar::setRange(long first, long last) {
    const QSignalBlocker a(slider_), b(box_);
    slider_->setRange(int(first), int(last));
    box_->setRange(int(first), int(last));
}

void TimeBar::setFrame(long frame) {
    const QSignalBlocker a(slider_), b(box_);
    slider_->setValue(int(frame));
    box_->setValue(int(frame));
}
