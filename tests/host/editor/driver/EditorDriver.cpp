// A Qt input plug-in that plays a user's part in colbalance-editor for the
// recovery tests: the real program, started with
//
//   QT_PLUGIN_PATH=<this plug-in's folder> QT_QPA_GENERIC_PLUGINS=fneditordriver
//   FN_EDITOR_DRIVE="step;step;..." colbalance-editor IN ...
//
// loads it as it loads any input plug-in, and it carries out the steps in
// order through the program's own widgets, each as soon as what it needs is
// on screen:
//
//   tab:TITLE          brings the parameter tab of that title to the front
//   type:NAME=TEXT     types TEXT and Enter into parameter NAME's field (All parameters)
//   key:NAME           clicks the key button of parameter NAME
//   answer:NAME        clicks button NAME ("restore", "discard") of the question shown
//   action:NAME        triggers the window's action NAME ("save", "undo", "quit")
//
// Each step done is said on standard error ("driver: done STEP"); the
// program itself knows nothing of it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

QMainWindow* mainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMainWindow*>(w); m && m->isVisible()) return m;
    return nullptr;
}

// The "All parameters" panel's control of a parameter.
QWidget* parameterWidget(const QString& name) {
    QMainWindow* window = mainWindow();
    if (!window) return nullptr;
    for (QWidget* panel : window->findChildren<QWidget*>())
        if (panel->inherits("ParamPanel"))
            if (QWidget* w = panel->findChild<QWidget*>(name); w && w->isVisible()) return w;
    return nullptr;
}

class EditorDriver final : public QObject {
public:
    explicit EditorDriver(QStringList steps) : steps_(std::move(steps)) {
        connect(&poll_, &QTimer::timeout, this, [this] { next(); });
        poll_.start(50);
    }

private:
    // Tries the next step; it stays next until what it needs is there.
    void next() {
        if (steps_.isEmpty()) {
            poll_.stop();
            return;
        }
        const QString step = steps_.front();
        const QString what = step.section(':', 0, 0), arg = step.section(':', 1);
        bool done = false;
        // A modal question waits for an answer step and nothing else.
        QWidget* modal = QApplication::activeModalWidget();
        if (what == "answer") {
            if (modal)
                if (auto* b = modal->findChild<QAbstractButton*>(arg)) {
                    poll_.stop();  // the click returns once the question is gone
                    steps_.pop_front();
                    std::fprintf(stderr, "driver: done %s\n", qPrintable(step));
                    QTest::mouseClick(b, Qt::LeftButton);
                    poll_.start();
                    return;
                }
        } else if (!modal) {
            done = run(what, arg);
        }
        if (!done) return;
        steps_.pop_front();
        std::fprintf(stderr, "driver: done %s\n", qPrintable(step));
    }

    bool run(const QString& what, const QString& arg) {
        QMainWindow* window = mainWindow();
        if (!window) return false;
        if (what == "tab") {
            for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
                for (int i = 0; i < tabs->count(); ++i)
                    if (tabs->tabText(i) == arg) {
                        tabs->setCurrentIndex(i);
                        return true;
                    }
            return false;
        }
        if (what == "type") {
            QWidget* field = parameterWidget(arg.section('=', 0, 0));
            if (!field) return false;
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClicks(field, arg.section('=', 1));
            QTest::keyClick(field, Qt::Key_Return);
            return true;
        }
        if (what == "key") {
            QWidget* button = parameterWidget("key:" + arg);
            if (!button) return false;
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
        if (what == "action") {
            QAction* action = window->findChild<QAction*>(arg, Qt::FindDirectChildrenOnly);
            if (!action || !action->isEnabled()) return false;
            // Triggered from the event loop: a question it asks must not
            // block this step.
            QTimer::singleShot(0, action, &QAction::trigger);
            return true;
        }
        std::fprintf(stderr, "driver: no step \"%s\"\n", qPrintable(what));
        steps_.clear();
        return false;
    }

    QStringList steps_;
    QTimer poll_;
};

class EditorDriverPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "editor_driver.json")
public:
    QObject* create(const QString& key, const QString&) override {
        if (key.compare("fneditordriver", Qt::CaseInsensitive) != 0) return nullptr;
        const QString steps = qEnvironmentVariable("FN_EDITOR_DRIVE");
        return new EditorDriver(steps.split(';', Qt::SkipEmptyParts));
    }
};

}  // namespace

#include "EditorDriver.moc"
