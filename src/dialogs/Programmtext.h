// The "Programmtext" window: the program written and read as text beside the dialogs.
// "Übernehmen" reads the text into memory (all or nothing; errors are listed below the text
// and their lines marked), "Aus dem Speicher" writes the program in memory as text. While
// the text is what memory holds, the line of the instruction at the IP is highlighted. The
// window opens and saves text files, remembers its file and asks before unsaved text is
// discarded, also when the main window closes.
#pragma once

#include "files/Assembler.h"
#include "files/Programminhalt.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;

namespace tovak {

class ProgrammtextEditor;

// The program in memory as the window sees it; the main window provides it.
class ProgrammtextSpeicher {
public:
    virtual ~ProgrammtextSpeicher() = default;
    virtual Programminhalt Programm() const = 0;
    virtual Programminhalt::Zelle Zelle(int adresse) const = 0;
    virtual int IP() const = 0;
    // Replaces the whole program (stopping a run, as opening a file does); false after the
    // failure was shown.
    virtual bool ProgrammErsetzen(const Programminhalt& inhalt) = 0;
    // True while the program holds changes that are not saved.
    virtual bool ProgrammGeaendert() const = 0;
    // Where the file dialogs start while the window has no file.
    virtual QString Ordner() const = 0;
};

class TFProgrammtext final : public QWidget {
    Q_OBJECT

public:
    TFProgrammtext(std::unique_ptr<ProgrammtextSpeicher> speicher, QWidget* parent = nullptr);
    ~TFProgrammtext() override;

    // Shows the window at the right of the main window's frame, within the screen.
    void ShowBeside(const QRect& mainFrame);

    void BnUebernehmenClick();
    void BnAusDemSpeicherClick();
    void MnOeffnenClick();
    // F1: the overview's entry of the instruction in the cursor's line.
    void BefehlsHilfe();
    bool MnSpeichernClick();
    bool MnSpeichernUnterClick();
    // Without the file dialogs; false when nothing was opened or saved (after a message).
    bool OpenFile(const QString& fileName);
    bool SaveFile(const QString& fileName);

    // The IP moved: the line of its instruction is highlighted while the text and memory
    // agree.
    void IPGeaendert(int ip);
    // Asks whether unsaved text is to be saved; false when the user cancels.
    bool DarfVerwerfen();

    ProgrammtextEditor* Editor() const { return editor_; }
    QListWidget* Fehlerliste() const { return fehlerliste_; }
    QLabel* Statuszeile() const { return status_; }
    const QString& FileName() const { return fileName_; }

    // --- Hooks for tests -------------------------------------------------------------------
    // The file dialogs (default: QFileDialog); an empty answer means cancelled.
    void SetFileDialogs(std::function<QString()> askOpen, std::function<QString()> askSave);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenu();
    void TitelZeigen();
    void SetText(const QString& text, const QString& fileName);
    void FehlerZeigen(const std::vector<TextFehler>& fehler);
    // The text and the cells it wrote are what memory holds now.
    void Abgleichen(Uebersetzung u);
    bool Abgeglichen() const;
    // Memory holds a program other than the one last taken from or written to the text.
    bool SpeicherAnders() const;
    QString AskOpenFileName();
    QString AskSaveFileName();
    QString StartOrdner() const;

    std::unique_ptr<ProgrammtextSpeicher> speicher_;
    ProgrammtextEditor* editor_ = nullptr;
    QListWidget* fehlerliste_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* bnUebernehmen_ = nullptr;
    QPushButton* bnAusDemSpeicher_ = nullptr;
    QString fileName_;
    std::optional<Uebersetzung> abgleich_;
    QString abgleichText_;
    std::function<QString()> askOpen_;
    std::function<QString()> askSave_;
};

} // namespace tovak
