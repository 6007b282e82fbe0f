// RecoveryKeeper: while the parameters differ from what was last saved or
// opened, keeps them with the undo stack in the recovery file of the input
// the editor shows (RecoveryFile.h), at most a second after each change:
// the first change starts a short timer and whatever changed until it runs
// out is written at once, so a drag writes about once a second, not at
// every move.  Once the parameters are saved, opened or undone back to the
// saved state, the file goes.
//
// User-interface thread only.
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>
#include <string>

#include "host/editor/RecoveryFile.h"

class ParamDocument;

class RecoveryKeeper final : public QObject {
    Q_OBJECT
public:
    // Keeps the files in `folder`.
    RecoveryKeeper(ParamDocument& document, std::string folder, QObject* parent = nullptr);
    // Leaves the file as it is: an editor that ends without closing keeps
    // its work.
    ~RecoveryKeeper() override;

    // What an editor that ended without closing left for an input.
    enum class Left {
        Nothing,     // no file
        Work,        // its state, to offer
        Unreadable,  // a file that cannot be used; set aside
        Elsewhere,   // not kept: another running editor keeps this input, or
                     // the folder cannot be written
    };
    // Follows a new input: the previous input's file goes (its work goes on
    // under the new one), and what was left for this one is read.  Nothing
    // is written until keep().  `message` says what happened to a file that
    // was set aside or why this input is not kept.
    Left follow(const std::string& input, RecoveryState& left, std::string& message);
    // Renames the input's file aside (its work could not be used, for
    // `why`); what happened, to say.
    std::string setAside(const std::string& why);
    // Writes from now on (now, when the parameters differ already).
    void keep();
    // Where Save writes, kept in the file (absolute; empty for none).
    void setParamsFile(const std::string& path);
    // Removes the file and stops keeping it until the next change: the work
    // was discarded, saved, or the editor closes normally.
    void drop();

    const std::string& path() const;

signals:
    // A write failed (a full disk, a folder that cannot be made); said
    // once until a write works again.
    void failed(const QString& message);

private:
    void changed();
    void write();

    ParamDocument& doc_;
    std::string folder_, paramsFile_;
    std::unique_ptr<RecoveryFile> file_;
    QTimer timer_;
    bool keeping_ = false;
    bool written_ = false;
    bool failing_ = false;
};
