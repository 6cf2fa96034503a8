#include "mainwindow/Beispielprogramme.h"

#include "files/ProgrammText.h"
#include "util/Cp1252.h"
#include "util/NumberTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iterator>

namespace tovak {

namespace {

// The lessons from the first steps to interrupts. Only these files are listed: programs a
// user saved beside the executable are no lessons.
const char* const kLektionen[] = {
    "Summe.CPU",       "Countdown.CPU",     "Multiplikation.CPU", "Logik.CPU",
    "Schieben.CPU",    "Unterprogramm.CPU", "EingabeAscii.CPU",   "Division.CPU",
    "Zahlenraten.CPU", "Interrupt.CPU",     "Ampel.CPU",
};

// A title line is short; the header of a program file is read, not the whole file.
constexpr qint64 kKopfBytes = 4096;

} // namespace

int LektionenAnzahl() {
    return static_cast<int>(std::size(kLektionen));
}

QStringList BeispielOrdner(const QString& programmOrdner) {
    const QDir dir(programmOrdner);
    return {dir.absolutePath(),
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/tovak"))),
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/tovak/examples")))};
}

QString BeispielTitel(const QString& pfad) {
    QFile file(pfad);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray kopf = file.read(kKopfBytes);
        ZeilenLeser leser(
            std::string_view(kopf.constData(), static_cast<std::size_t>(kopf.size())));
        std::string version, anzahl, titel;
        int n = 0;
        if (leser.Lies(version) && leser.Lies(anzahl) && StrToIntOk(Trim(anzahl), n) && n > 0 &&
            leser.Lies(titel) && !Trim(titel).empty()) {
            return QString::fromStdString(Cp1252ToUtf8(Trim(titel)));
        }
    }
    return QFileInfo(pfad).completeBaseName();
}

std::vector<Beispielprogramm> FindeBeispielprogramme(const QString& programmOrdner) {
    const QStringList ordner = BeispielOrdner(programmOrdner);
    std::vector<Beispielprogramm> gefunden;
    for (const char* name : kLektionen) {
        for (const QString& o : ordner) {
            const QString pfad = QDir(o).filePath(QString::fromLatin1(name));
            if (QFileInfo(pfad).isFile()) {
                gefunden.push_back({BeispielTitel(pfad), pfad});
                break;
            }
        }
    }
    return gefunden;
}

} // namespace tovak
