// The exercise pane, the check of a class's submissions and the PDF listing: each in a class
// of its own; the window creates them and hands them the program in memory.
#include "mainwindow/AbgabenDialog.h"
#include "mainwindow/AufgabeBereich.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/Main.h"
#include "mainwindow/ProgrammlistePdf.h"
#include "util/MessageBoxes.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

namespace tovak {

void TFMain::CreateAufgabe(QMenuBar* bar) {
    aufgabe_ = new AufgabeBereich([this] { return ProgrammImSpeicher(); }, this);
    addDockWidget(Qt::RightDockWidgetArea, aufgabe_);
    aufgabe_->CreateMenu(bar);
    connect(aufgabe_->AbgabenItem(), &QAction::triggered, this, [this] {
        auto* dialog = new AbgabenDialog(aufgabe_->Datei(), this);
        // Closed during a check, it goes once the files begun are done; the window waits
        // for none of them.
        connect(dialog, &QDialog::finished, dialog, [dialog] {
            if (!dialog->PrueftGerade()) {
                dialog->deleteLater();
            } else {
                connect(dialog, &AbgabenDialog::Fertig, dialog, &QObject::deleteLater);
            }
        });
        dialog->show();
    });
}

void TFMain::MnProgrammlistePdfClick() {
    const QFileInfo programm(FileName());
    const QString name =
        FileName().isEmpty() ? QStringLiteral("Programm") : programm.completeBaseName();
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Programmliste als PDF"),
                                     DialogFolder() + '/' + name + QStringLiteral(".pdf"),
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) {
        return;
    }
    QString fehler;
    const QString titel = FileName().isEmpty() ? QStringLiteral("Unbenannt") : programm.fileName();
    if (!ProgrammlisteAlsPdf(ProgrammImSpeicher(), titel, datei, fehler)) {
        ShowErrorBox("Fehler",
                     (QFileInfo(datei).fileName() + QStringLiteral(": ") + fehler).toStdString());
    }
}

} // namespace tovak
