// The program as a document: its file name, the window title that names it, whether it has
// changed since it was opened or saved, and the question before changes are let go.
//
// "Changed" compares the program as its file would hold it (remarks, memory, registers) with
// the one last opened or saved, so an edit, a reset and a run that wrote memory all count,
// and undoing a change by hand clears the mark again.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>

class QWidget;

namespace tovak {

class ProgramDocument final : public QObject {
    Q_OBJECT

public:
    // The window's title; an opened program's path follows it after ": ".
    static constexpr const char* kTitle = "Rechner-Simulation für Windows";
    static constexpr const char* kQuestionCaption = "Rechner-Simulation";
    static constexpr const char* kQuestion =
        "Das Programm wurde geändert. Sollen die Änderungen gespeichert werden?";

    // window: whose title names the program; content: the program as its file would hold it.
    ProgramDocument(QWidget* window, std::function<std::string()> content);

    const QString& FileName() const { return fileName_; }
    // The title without the change mark.
    const QString& Caption() const { return caption_; }

    // The commands that decide name and title; all but SetFileName leave the program unchanged.
    void Opened(const QString& fileName);  // opened, or saved under this name
    void SetFileName(const QString& name); // taken over before a save under a new name
    void Saved();                          // saved under its name; the title stays
    void New();                            // "Neu": no name, an empty title
    // Loaded from a backup copy: no name, the start-up title, changed until it is saved.
    void Recovered();

    // Compares now (and updates the title).
    bool IsModified();
    // Whether a program whose file text is this one differs from the one last saved.
    bool Differs(const std::string& content) const;
    // Something may have changed: the title is brought up to date shortly.
    void ContentMayHaveChanged();

    // Asks before the program is let go, when it has changed: "&Ja" runs save, "&Nein" goes
    // on, "Abbrechen" stops. True when the command may go on.
    bool MayDiscard(const std::function<bool()>& save);

    // The characters of text that a program file cannot hold (each once, in order).
    static QString Unencodable(const QString& text);

private:
    void MarkClean();
    void SetModified(bool modified);

    QWidget* window_;
    std::function<std::string()> content_;
    QString fileName_;
    QString caption_;
    std::string clean_;
    bool cleanKnown_ = true; // false: no file holds this program (a recovered copy)
    bool modified_ = false;
    QTimer check_;
};

} // namespace tovak
