// The program as a document: its file name, the window title that names it, whether it has
// changed since it was opened or saved, the question before changes are let go, and the
// work on files: open, save, save under a new name, the recovered copy, the remarks, the
// export to the clipboard, printing and the PDF listing.
//
// "Changed" compares the program as its file would hold it (remarks, memory, registers) with
// the one last opened or saved, so an edit, a reset and a run that wrote memory all count,
// and undoing a change by hand clears the mark again.
#pragma once

#include "files/Programminhalt.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace tovak {

class BackupKeeper;
class TRAM;
class TReg;
struct WindowHooks;

// What the document works on; each lives as long as the document.
struct ProgramParts {
    TRAM& speicher;
    TReg& reg;
    QPlainTextEdit& remarks; // the remarks as the file holds them, one line each
    BackupKeeper& backups;
    const WindowHooks& hooks;
};

class ProgramDocument final : public QObject {
    Q_OBJECT

public:
    // The window's title; an opened program's path follows it after ": ".
    static constexpr const char* kTitle = "Rechner-Simulation für Windows";
    static constexpr const char* kQuestionCaption = "Rechner-Simulation";
    static constexpr const char* kQuestion =
        "Das Programm wurde geändert. Sollen die Änderungen gespeichert werden?";

    // window: whose title names the program and who owns the dialogs.
    ProgramDocument(QWidget* window, ProgramParts parts);
    ~ProgramDocument() override;

    // The program as its file would hold it, and as the text window reads it.
    std::string Content() const;
    Programminhalt Inhalt() const;
    std::vector<std::string> RemarkLines() const;
    void SetRemarkLines(const std::vector<std::string>& lines);

    // --- Files (ProgramDocumentFiles.cpp) ------------------------------------------------
    // "Ö&ffnen...": asks about changes, then for the file.
    void AskAndOpen();
    // Reads the file whole, then takes it over; a file that cannot be read whole leaves the
    // program as it was (false then).
    bool Open(const QString& fileName);
    // "&Speichern" and "Speichern &unter...": false when cancelled or failed.
    bool Save();
    bool SaveAs();
    bool SaveTo(const QString& fileName);
    // The question before the program is replaced, saving on "&Ja"; true when the command
    // may go on.
    bool MayDiscard();
    // At start-up: offers the copy an earlier session left with unsaved changes; true when
    // it was loaded.
    bool OfferRecovery();

    // --- Export and printing (ProgramDocumentPrint.cpp) ----------------------------------
    void ExportToClipboard();
    void Print();     // asks for the printer first
    void PageSetup(); // "Drucker&einrichtung..."
    // Prints the memory listing under the title; false (after a message) when the printer
    // could not start.
    bool PrintListing(const QString& title);
    // Kept for the document's life, so the printer chosen once is used again.
    QPrinter& Printer();
    void SavePdf(); // "Programmliste als PDF..."

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

signals:
    // A file is about to replace the program (any run stops), and has replaced it.
    void aboutToLoad();
    void loaded();

private:
    QString AskOpenFileName();
    QString AskSaveFileName();
    // Warns of characters the file cannot hold; false when the learner calls the save off.
    bool ConfirmUnencodable();
    bool WriteProgram(const QString& fileName);
    void MarkClean();
    void SetModified(bool modified);

    QWidget* window_;
    ProgramParts parts_;
    std::unique_ptr<QPrinter> printer_;
    QString fileName_;
    QString caption_;
    std::string clean_;
    bool cleanKnown_ = true; // false: no file holds this program (a recovered copy)
    bool modified_ = false;
    QTimer check_;
};

} // namespace tovak
