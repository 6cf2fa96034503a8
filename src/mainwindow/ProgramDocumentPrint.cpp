// The program document for other programs and for paper: the memory listing copied to the
// clipboard and printed, and the listing to hand out as a PDF.
#include "files/Listing.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/ListingPrinter.h"
#include "mainwindow/ProgramDocument.h"
#include "mainwindow/ProgrammlistePdf.h"
#include "mainwindow/WindowHooks.h"
#include "util/MessageBoxes.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tovak {

void ProgramDocument::ExportToClipboard() {
    const std::string text = ExportCommandsText(parts_.speicher);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

QPrinter& ProgramDocument::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void ProgramDocument::Print() {
    QPrinter& printer = Printer();
    if (parts_.hooks.askPrint) {
        if (!parts_.hooks.askPrint(printer)) {
            return;
        }
    } else {
        QPrintDialog dialog(&printer, window_);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    PrintListing(fileName_);
}

void ProgramDocument::PageSetup() {
    QPageSetupDialog dialog(&Printer(), window_);
    dialog.exec();
}

bool ProgramDocument::PrintListing(const QString& title) {
    const ProgramListing listing = MakeProgramListing(parts_.speicher, title.toStdString());
    const QString docName = title.isEmpty() ? QString::fromUtf8(kTitle) : title;
    if (tovak::PrintListing(Printer(), listing, docName) == 0) {
        ShowErrorBox("Fehler", "Der Drucker konnte den Ausdruck nicht beginnen.");
        return false;
    }
    return true;
}

void ProgramDocument::SavePdf() {
    const QFileInfo programm(fileName_);
    const QString name =
        fileName_.isEmpty() ? QStringLiteral("Programm") : programm.completeBaseName();
    const QString datei =
        QFileDialog::getSaveFileName(window_, QStringLiteral("Programmliste als PDF"),
                                     DialogFolder() + '/' + name + QStringLiteral(".pdf"),
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) {
        return;
    }
    QString fehler;
    const QString titel = fileName_.isEmpty() ? QStringLiteral("Unbenannt") : programm.fileName();
    if (!ProgrammlisteAlsPdf(Inhalt(), titel, datei, fehler)) {
        ShowErrorBox("Fehler",
                     (QFileInfo(datei).fileName() + QStringLiteral(": ") + fehler).toStdString());
    }
}

} // namespace tovak
