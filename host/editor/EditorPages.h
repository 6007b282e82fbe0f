// EditorPages: the effect's property pages in the editor.  The pages are
// made through the module's class factory and hosted by the host's page
// editor (DsPageHost), as colbalance --page hosts them; what differs is
// where their parameter writes go.  The editor keeps the parameters in its
// ParamDocument, so the page host hands every write and undo bracket of a
// page to it: a page's edit lands on the same undo stack as the panel's
// (one step per bracket, per drag), the viewer renders it, and every change
// the document makes, whoever made it, reaches every page.
//
// The pages follow the editor's current frame (keys are set there, and the
// tone-curves page counts that frame), and their image pulls are answered
// with the frame the viewer shows as its source.  User-interface thread
// only.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "platform/dshost/DsPageHost.h"
#include "platform/dshost/DsParamStore.h"

class EditorSession;
struct ViewImage;

class EditorPages final : public QObject, private DsParamStore {
    Q_OBJECT
public:
    explicit EditorPages(EditorSession& session, QObject* parent = nullptr);
    // Closes the pages (before the module goes).
    ~EditorPages() override;

    // Opens the main colour page, both tone-curves pages and the help page,
    // hidden; false with the reason when the host or a page fails.
    bool open(std::string& error);
    size_t count() const { return titles_.size(); }
    HWND dialog(size_t index) const { return host_.dialog(index); }
    const QString& title(size_t index) const { return titles_[index]; }
    // Shows one page (as its tab comes to the front) or hides it.
    void show(size_t index, bool shown);
    DsPageHost& host() { return host_; }

    // The frame the pages' pulls render from: the viewer's source frame.
    void setSource(const std::shared_ptr<const ViewImage>& source);
    // Answers the pulls waiting now; how many.
    size_t deliverPulls();

signals:
    // A page's write was refused.
    void failed(const QString& message);

private:
    HRESULT write(REFGUID id, double value, bool animated, double time) override;
    void beginUndo(DWORD command) override;
    void endUndo() override;
    // What an undo step of a control's edit is called (empty: named by the
    // parameters it changes).
    QString stepName(DWORD command) const;

    EditorSession& session_;
    DsPageHost host_;
    std::vector<QString> titles_;
    std::shared_ptr<const ViewImage> source_;
    QTimer pulls_;
};
