// The memory listing for other programs: copied to the clipboard and printed.
#include "files/Listing.h"
#include "mainwindow/ListingPrinter.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace tovak {

void TFMain::MnExportCommandsToClipboardClick() {
    const std::string text = ExportCommandsText(*speicher_);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TFMain::SetPrintDialog(std::function<bool(QPrinter&)> ask) {
    askPrint_ = std::move(ask);
}

QPrinter& TFMain::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void TFMain::MnDruckenClick() {
    QPrinter& printer = Printer();
    if (askPrint_) {
        if (!askPrint_(printer)) {
            return;
        }
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    PrintProgram(FileName());
}

void TFMain::MnDruckereinrichtungClick() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

bool TFMain::PrintProgram(const QString& title) {
    const ProgramListing listing = MakeProgramListing(*speicher_, title.toStdString());
    const QString docName = title.isEmpty() ? QString::fromUtf8(kCaption) : title;
    if (PrintListing(Printer(), listing, docName) == 0) {
        ShowErrorBox("Fehler", "Der Drucker konnte den Ausdruck nicht beginnen.");
        return false;
    }
    return true;
}

} // namespace tovak
