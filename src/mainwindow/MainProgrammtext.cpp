// The "Programmtext" window of the main window: at most one, working on the program in
// memory through the main window.
#include "dialogs/Programmtext.h"
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"

namespace tovak {

namespace {

class Programmspeicher final : public ProgrammtextSpeicher {
public:
    explicit Programmspeicher(TFMain& main) : main_(main) {}
    Programminhalt Programm() const override { return main_.ProgrammImSpeicher(); }
    Programminhalt::Zelle Zelle(int adresse) const override {
        return {main_.Machine().Units().speicher.GetValue(adresse),
                main_.Machine().Units().speicher.IstBefehl(adresse)};
    }
    int IP() const override { return main_.Machine().Units().steuerwerk.GetIP(); }
    bool ProgrammErsetzen(const Programminhalt& inhalt) override {
        return main_.ProgrammErsetzen(inhalt);
    }
    bool ProgrammGeaendert() const override { return main_.Document().IsModified(); }
    // Where the lessons and their texts are, as for the program files.
    QString Ordner() const override { return DialogFolder(); }

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

Programminhalt TFMain::ProgrammImSpeicher() const {
    return document_->Inhalt();
}

bool TFMain::ProgrammErsetzen(const Programminhalt& inhalt) {
    // As opening a file: any run stops, the IP goes to 0.
    ResetRunState(true);
    const bool ersetzt =
        RunGuarded([&] { InhaltInSpeicher(inhalt, Units().speicher, Units().reg); });
    if (ersetzt) {
        document_->SetRemarkLines(inhalt.bemerkung);
    }
    // Changed unless the text gave exactly the program last opened or saved.
    document_->ContentMayHaveChanged();
    ClearJournal();
    backups_->Write();
    backups_->SwitchOn();
    return ersetzt;
}

} // namespace tovak
