// The rotating backup copies of the program being entered: the timer that writes them, the
// folder of this instance (a BackupSession), and the copy an earlier session left with
// unsaved work.
#pragma once

#include "mainwindow/BackupSession.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace tovak {

class BackupKeeper final : public QObject {
    Q_OBJECT

public:
    // content: the program as its file would hold it; unsaved: whether such a text differs
    // from the file last opened or saved.
    BackupKeeper(std::function<std::string()> content,
                 std::function<bool(const std::string&)> unsaved, QObject* parent);
    ~BackupKeeper() override;

    // The folder whose "Temp" holds the copies of keepers created afterwards (empty: the
    // program's folder). Tests point it at a folder of their own.
    static void SetBase(const QString& folder);

    // Writes the next copy now; a failed write is shown once, not once per tick.
    void Write();
    // Starts the timer; a running one keeps its next copy where it is.
    void SwitchOn();
    void SetInterval(int ms) { timer_.setInterval(ms); }
    // Puts the copies away before another program replaces this one: copies with unsaved
    // work are kept in "Vorherige Sitzung", the others deleted.
    void PutAway();
    // The program was written under its name: the copies so far hold nothing unsaved.
    void Saved();

    QString Dir() const;
    int Counter() const;
    // 1 for the first instance running, 2 for the second, ...
    int Instance() const { return session_->Instance(); }
    QTimer& Timer() { return timer_; }
    QString TakeRecoverableCopy() { return session_->TakeRecoverableCopy(); }
    QString CopyBeforeWritingInPlace(const QString& fileName) const {
        return session_->CopyBeforeWritingInPlace(fileName);
    }

private:
    std::function<std::string()> content_;
    std::function<bool(const std::string&)> unsaved_;
    std::unique_ptr<BackupSession> session_;
    QTimer timer_{this};
    bool writing_ = false;
};

} // namespace tovak
