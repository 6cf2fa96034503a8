// The "Programmtext" window of the main window: at most one, working on the program in
// memory through the main window.
#include "dialogs/Programmtext.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace tovak {

namespace {

class Programmspeicher final : public ProgrammtextSpeicher {
public:
    explicit Programmspeicher(TFMain& main) : main_(main) {}
    ProgrammBild Programm() const override { return main_.ProgrammImSpeicher(); }
    ProgrammBild::Zelle Zelle(int adresse) const override {
        return {main_.Speicher().GetValue(adresse), main_.Speicher().IstBefehl(adresse)};
    }
    int IP() const override { return main_.Steuerwerk().GetIP(); }
    bool ProgrammErsetzen(const ProgrammBild& bild) override {
        return main_.ProgrammErsetzen(bild);
    }
    bool ProgrammGeaendert() const override { return true; }
    QString Ordner() const override {
        // Where the lessons and their texts are, unless the user may not write there.
        const QString beispiele = DataFolder();
        if (QFileInfo(beispiele).isWritable()) {
            return beispiele;
        }
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }

private:
    TFMain& main_;
};

} // namespace

void TFMain::MnProgrammtextClick() {
    if (programmtext_ == nullptr) {
        programmtext_ = new TFProgrammtext(std::make_unique<Programmspeicher>(*this), this);
        programmtext_->ShowBeside(frameGeometry());
    }
    programmtext_->show();
    programmtext_->raise();
    programmtext_->activateWindow();
}

ProgrammBild TFMain::ProgrammImSpeicher() const {
    return BildAusSpeicher(RemarkLines(), *speicher_, *register_);
}

bool TFMain::ProgrammErsetzen(const ProgrammBild& bild) {
    // As opening a file: any run stops, the IP goes to 0.
    ResetRunState(true);
    const bool ersetzt = RunGuarded([&] { BildInSpeicher(bild, *speicher_, *register_); });
    if (ersetzt) {
        SetRemarkLines(bild.bemerkung);
    }
    ClearJournal();
    WriteBackup();
    SwitchBackupTimerOn();
    return ersetzt;
}

} // namespace tovak
