// The menu "Beispielprogramme": the lessons by title, each opened like "Öffnen...".
#include "mainwindow/Beispielprogramme.h"
#include "mainwindow/Main.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace tovak {

void TFMain::CreateBeispielMenu(QMenu* datei) {
    mnBeispielprogramme_ = datei->addMenu(QStringLiteral("Beispie&lprogramme"));
    mnBeispielprogramme_->setObjectName(QStringLiteral("MnBeispielprogramme"));
    mnBeispielprogramme_->menuAction()->setStatusTip(
        QStringLiteral("Öffnen eines Beispielprogramms mit Erläuterungen"));
    const auto beispiele = FindeBeispielprogramme(QCoreApplication::applicationDirPath());
    for (const Beispielprogramm& b : beispiele) {
        QAction* item = mnBeispielprogramme_->addAction(b.titel);
        item->setStatusTip(b.pfad);
        item->setData(b.pfad);
        connect(item, &QAction::triggered, this, [this, pfad = b.pfad] {
            if (MayDiscardProgram()) {
                OpenProgramFile(pfad);
            }
        });
    }
    if (beispiele.empty()) {
        mnBeispielprogramme_->addAction(QStringLiteral("(keine Beispielprogramme gefunden)"))
            ->setEnabled(false);
    }
    datei->addSeparator()->setObjectName(QStringLiteral("NBeispiele"));
}

} // namespace tovak
