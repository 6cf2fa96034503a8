#include "mainwindow/ProgrammlistePdf.h"

#include "files/Disassembler.h"

#include <QFile>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace tovak {

QStringList ProgrammlisteZeilen(const Programminhalt& inhalt) {
    const std::vector<ListenEintrag> liste = Programmliste(inhalt);
    // The label column is as wide as its heading or the longest label with its colon.
    int markenBreite = 0;
    for (const ListenEintrag& e : liste) {
        if (!e.marke.empty()) {
            markenBreite = std::max({markenBreite, 5, static_cast<int>(e.marke.size()) + 1});
        }
    }
    QStringList zeilen;
    zeilen << QStringLiteral("Adr.  ") +
                  (markenBreite > 0 ? QStringLiteral("Marke").leftJustified(markenBreite + 2)
                                    : QString()) +
                  QStringLiteral("Befehl");
    for (const ListenEintrag& e : liste) {
        const QString marke = e.marke.empty() ? QString() : QString::fromStdString(e.marke) + ':';
        zeilen << QStringLiteral("%1  ").arg(e.adresse, 4, 10, QChar('0')) +
                      (markenBreite > 0 ? marke.leftJustified(markenBreite + 2) : QString()) +
                      QString::fromStdString(e.anweisung);
    }
    QStringList register_;
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        const Programminhalt::Register& r = inhalt.register_[static_cast<std::size_t>(i)];
        if (!r.name.empty()) {
            register_ << QStringLiteral("R%1").arg(i).leftJustified(6) +
                             QString::fromStdString(r.name) + QStringLiteral(" = %1").arg(r.wert);
        }
    }
    if (!register_.isEmpty()) {
        zeilen << QString() << QStringLiteral("Register") << register_;
    }
    return zeilen;
}

bool ProgrammlisteAlsPdf(const Programminhalt& inhalt, const QString& titel, const QString& datei,
                         QString& fehler) {
    QPdfWriter pdf(datei);
    pdf.setTitle(titel);
    pdf.setCreator(QStringLiteral("TOVAK – Rechner-Simulation"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter));
    pdf.setResolution(300);
    QPainter p;
    if (!p.begin(&pdf)) {
        fehler = QStringLiteral("Die Datei lässt sich nicht schreiben.");
        return false;
    }
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies({QStringLiteral("DejaVu Sans Mono"), mono.family()});
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(10);
    QFont kopf = mono;
    kopf.setPointSizeF(14);
    kopf.setBold(true);

    const QRect seite = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const QRect flaeche(0, 0, seite.width(), seite.height());
    int y = 0;
    int seitenNummer = 1;
    auto fuss = [&] {
        p.setFont(mono);
        p.drawText(QRect(0, flaeche.bottom() - p.fontMetrics().height(), flaeche.width(),
                         p.fontMetrics().height()),
                   Qt::AlignRight, QStringLiteral("Seite %1").arg(seitenNummer));
    };
    auto zeile = [&](const QString& text, const QFont& font) {
        p.setFont(font);
        const QRect noetig = p.fontMetrics().boundingRect(
            QRect(0, 0, flaeche.width(), 100000), Qt::TextWordWrap, text.isEmpty() ? " " : text);
        if (y + noetig.height() > flaeche.height() - 2 * p.fontMetrics().height()) {
            fuss();
            pdf.newPage();
            ++seitenNummer;
            y = 0;
            p.setFont(font);
        }
        p.drawText(QRect(0, y, flaeche.width(), noetig.height()), Qt::TextWordWrap, text);
        y += noetig.height();
    };
    zeile(titel, kopf);
    for (const std::string& bemerkung : inhalt.bemerkung) {
        zeile(QString::fromStdString(bemerkung), mono);
    }
    zeile(QString(), mono);
    QFont fett = mono;
    fett.setBold(true);
    const QStringList zeilen = ProgrammlisteZeilen(inhalt);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        // The column heads and the register heading stand out.
        const bool kopfzeile = i == 0 || (i > 0 && zeilen[i - 1].isEmpty());
        zeile(zeilen[i], kopfzeile ? fett : mono);
    }
    fuss();
    if (!p.end()) {
        fehler = QStringLiteral("Die Datei ließ sich nicht vollständig schreiben.");
        return false;
    }
    return true;
}

} // namespace tovak
