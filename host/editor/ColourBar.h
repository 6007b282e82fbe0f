// ColourBar: the colour controls above the viewer.  The working space float
// frames are graded in (None by default: the effect sees the file's values,
// and existing looks render as they did), saved with the look; and how
// float frames are shown: exposure in stops, gamma, and the config's
// display and view.  The showing changes only the picture on screen, never
// the rendered frame.  Integer frames are shown as they are.  The colour
// config in use is named at the bar's start.
#pragma once

#include <QWidget>

class EditorSession;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

class ColourBar final : public QWidget {
    Q_OBJECT
public:
    explicit ColourBar(EditorSession& session, QWidget* parent = nullptr);

    // Fills the choices from the session's colour config and shows its
    // working space (after a config is loaded).
    void refresh();
    // Shows the document's working space (after an undo or a load).
    void showWorkingSpace();

signals:
    // A choice the session refused, worded for the status bar.
    void failed(const QString& message);

private:
    void applyWorkingSpace();
    void applyView();
    void fillViews();

    EditorSession& session_;
    // Children of the bar, made with it.
    QLabel* const config_;
    QComboBox* const working_;
    QDoubleSpinBox* const exposure_;
    QDoubleSpinBox* const gamma_;
    QComboBox* const display_;
    QComboBox* const view_;
};
