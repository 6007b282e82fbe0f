// ParamPanel: every parameter the effect lists, each as a Qt control: a
// number field (typed or scrubbed, kept to the page's range), a check box,
// a list, or a whole-number box; animatable ones carry a key button for the
// current frame.  It is the editor's "All parameters" tab, and stays as the
// fallback when the property pages are shown beside it.
#pragma once

#include <QWidget>

#include <vector>

class ParamDocument;
class QToolButton;

class ParamPanel final : public QWidget {
    Q_OBJECT
public:
    ParamPanel(ParamDocument& document, QWidget* parent = nullptr);

    // The frame time the values are shown and keyed at.
    void setTime(double time);
    // The control that edits parameter `index` (for tests and focus).
    QWidget* editor(size_t index) const { return rows_[index].editor; }
    QToolButton* keyButton(size_t index) const { return rows_[index].key; }

signals:
    // An edit the effect refused.
    void failed(const QString& message);

private:
    struct Row {
        QWidget* editor = nullptr;
        QToolButton* key = nullptr;
    };

    void build();
    void refresh(size_t index);
    void refreshAll();
    void edit(size_t index, double value);

    ParamDocument& doc_;
    std::vector<Row> rows_;
    double time_ = 0;
};
