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
