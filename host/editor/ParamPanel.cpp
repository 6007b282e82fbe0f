// Every parameter as a Qt control.
#include "host/editor/ParamPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <cmath>
#include <limits>

#include "host/editor/NumberField.h"
#include "host/editor/ParamDocument.h"

namespace {

// Text fields undo their own typing on Ctrl+Z; here Ctrl+Z and Ctrl+Shift+Z
// are the editor's, even with a field focused.
class ParamUndoKeys final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

ParamPanel::ParamPanel(ParamDocument& document, QWidget* parent) : QWidget(parent), doc_(document) {
    build();
    connect(&doc_, &ParamDocument::changed, this, [this](int i) { refresh(size_t(i)); });
}

void ParamPanel::build() {
    auto* undoKeys = new ParamUndoKeys(this);
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    rows_.resize(doc_.count());
    for (size_t i = 0; i < doc_.count(); ++i) {
        const ParamInfo& p = doc_.params()[i];
        const QString name = QString::fromStdString(p.name);
        const QString label = name + (p.hasRange && p.kind == ParamInfo::Kind::Number
                                          ? QString(" (%1 .. %2)").arg(p.min).arg(p.max)
                                          : QString());
        Row& row = rows_[i];
        if (!p.items.empty()) {
            auto* box = new QComboBox;
            for (const std::string& item : p.items) box->addItem(QString::fromStdString(item));
            connect(box, &QComboBox::activated, this, [this, i](int v) { edit(i, v); });
            row.editor = box;
        } else if (p.kind == ParamInfo::Kind::Boolean) {
            auto* box = new QCheckBox;
            connect(box, &QCheckBox::clicked, this, [this, i](bool on) { edit(i, on ? 1 : 0); });
            row.editor = box;
        } else if (p.kind == ParamInfo::Kind::Integer) {
            auto* box = new QSpinBox;
            box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            box->setKeyboardTracking(false);
            connect(box, &QSpinBox::valueChanged, this, [this, i](int v) { edit(i, v); });
            row.editor = box;
        } else {
            auto* field = new NumberField;
            if (p.hasRange) {
                field->setRange(p.min, p.max);
                // The whole range in about 400 pixels, in round steps.
                const double span = p.max - p.min;
                field->setStep(span >= 400 ? 1 : span >= 40 ? 0.1 : 0.01);
            }
            connect(field, &NumberField::scrubStarted, this,
                    [this, name] { doc_.beginEdit("Drag " + name); });
            connect(field, &NumberField::valueScrubbed, this, [this, i](double v) { edit(i, v); });
            connect(field, &NumberField::scrubEnded, this, [this] { doc_.endEdit(); });
            connect(field, &NumberField::valueTyped, this, [this, i](double v) { edit(i, v); });
            row.editor = field;
        }
        row.editor->setObjectName(name);
        row.editor->installEventFilter(undoKeys);
        if (auto* text = row.editor->findChild<QLineEdit*>()) text->installEventFilter(undoKeys);
        row.editor->setToolTip(QString::fromStdString(p.description));
        QWidget* field = row.editor;
        if (p.animatable) {
            auto* line = new QWidget;
            auto* h = new QHBoxLayout(line);
            h->setContentsMargins(0, 0, 0, 0);
            row.key = new QToolButton;
            row.key->setObjectName("key:" + name);
            row.key->setCheckable(true);
            row.key->setAutoRaise(true);
            row.key->setToolTip("Key " + name + " at this frame (click again to remove the key)");
            connect(row.key, &QToolButton::clicked, this, [this, i](bool on) {
                std::string why;
                if (!doc_.setKey(i, time_, on, &why)) emit failed(QString::fromStdString(why));
                refresh(i);
            });
            h->addWidget(row.editor, 1);
            h->addWidget(row.key);
            field = line;
        }
        auto* l = new QLabel(label);
        l->setToolTip(row.editor->toolTip());
        form->addRow(l, field);
    }
    refreshAll();
}

void ParamPanel::setTime(double time) {
    time_ = time;
    refreshAll();
}

void ParamPanel::refreshAll() {
    for (size_t i = 0; i < rows_.size(); ++i) refresh(i);
}

void ParamPanel::refresh(size_t i) {
    Row& row = rows_[i];
    const double v = doc_.valueAt(i, time_);
    const QSignalBlocker block(row.editor);
    if (auto* box = qobject_cast<QComboBox*>(row.editor))
        box->setCurrentIndex(int(v));
    else if (auto* box = qobject_cast<QCheckBox*>(row.editor))
        box->setChecked(v != 0);
    else if (auto* box = qobject_cast<QSpinBox*>(row.editor))
        box->setValue(int(v));
    else if (auto* field = qobject_cast<NumberField*>(row.editor))
        field->setValue(v);
    if (row.key) {
        // A filled diamond: a key here; hollow: none here.
        const bool here = doc_.hasKeyAt(i, time_);
        row.key->setChecked(here);
        row.key->setText(QString(QChar(here ? 0x25C6 : 0x25C7)));
    }
}

void ParamPanel::edit(size_t index, double value) {
    std::string why;
    if (!doc_.setValue(index, value, time_, &why)) {
        emit failed(QString::fromStdString(why));
        refresh(index);
    }
}
