// "Hilfe › Anleitung": the guide opens inside the program, and every page, link and picture
// it names is shipped with it.
#include "GuiFixture.h"

#include "dialogs/Anleitung.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>

namespace tovak::test {
namespace {

using Anleitung = GuiTest;

TEST_F(Anleitung, EveryPageLinkAndPictureOfTheGuideIsShipped) {
    TFAnleitung::SeitenEinbinden();
    QStringList seiten;
    QDirIterator it(QStringLiteral(":/anleitung"), {QStringLiteral("*.html")});
    while (it.hasNext()) {
        seiten << it.next();
    }
    ASSERT_GE(seiten.size(), 7);
    const QRegularExpression verweis(QStringLiteral(R"((?:href|src)="([^"#:]+)[^"]*")"));
    QStringList erreicht{QStringLiteral(":/anleitung/index.html")};
    for (const QString& seite : seiten) {
        QFile datei(seite);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << seite.toStdString();
        const QString text = QString::fromUtf8(datei.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("<h1>"))) << seite.toStdString();
        for (const auto& m : verweis.globalMatch(text)) {
            const QString ziel = QStringLiteral(":/anleitung/") + m.captured(1);
            EXPECT_TRUE(QFile::exists(ziel)) << seite.toStdString() << " -> " << ziel.toStdString();
            erreicht << ziel;
        }
    }
    for (const QString& seite : seiten) {
        EXPECT_TRUE(erreicht.contains(seite)) << "no page links to " << seite.toStdString();
    }
}

TEST_F(Anleitung, HilfeMenuOpensOneGuideWindowBeforeInfoAndItsLinksLeadOn) {
    QMenu* hilfe = window->menuBar()->findChild<QMenu*>(QStringLiteral("Hilfe1"));
    ASSERT_NE(hilfe, nullptr);
    QStringList texte;
    for (QAction* a : hilfe->actions()) {
        texte << a->text();
    }
    const qsizetype anleitung = texte.indexOf(QStringLiteral("&Anleitung"));
    ASSERT_GE(anleitung, 0);
    EXPECT_EQ(texte.indexOf(QStringLiteral("In&fo...")), anleitung + 1);

    hilfe->actions().at(anleitung)->trigger();
    hilfe->actions().at(anleitung)->trigger();
    const auto fenster = window->findChildren<TFAnleitung*>();
    ASSERT_EQ(fenster.size(), 1);
    QTextBrowser* browser = fenster.front()->Browser();
    EXPECT_EQ(browser->source().toString(), QString::fromLatin1(TFAnleitung::kStart));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Inhalt")));

    browser->setSource(QUrl(QStringLiteral("qrc:/anleitung/tempo.html")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Tempo: 200 ms")));
    auto* zurueck = fenster.front()->findChild<QToolButton*>(QStringLiteral("BnZurueck"));
    ASSERT_TRUE(zurueck->isEnabled());
    zurueck->click();
    EXPECT_EQ(browser->source().toString(), QString::fromLatin1(TFAnleitung::kStart));
}

} // namespace
} // namespace tovak::test
