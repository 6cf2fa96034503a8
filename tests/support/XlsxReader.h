// Reads back the first sheet of an .xlsx file for tests: cell texts, whether the cell's font
// is bold and its size, and the selected cell. The parts come out with "unzip -p".
#pragma once

#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>

namespace tovak::test {

struct XlsxCell {
    QString text;
    bool bold = false;
    double size = 0;
};

struct XlsxSheet {
    QMap<QString, XlsxCell> cells; // by reference, "A1"
    QString activeCell;
};

inline QByteArray XlsxPart(const QString& path, const char* part) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QString::fromLatin1(part)});
    unzip.waitForFinished(30000);
    return unzip.readAllStandardOutput();
}

// Calls f for every start element of the part.
template <class F> void EachElement(const QString& path, const char* part, F&& f) {
    QXmlStreamReader xml(XlsxPart(path, part));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            f(xml);
        }
    }
}

inline XlsxSheet ReadXlsx(const QString& path) {
    QStringList strings;
    EachElement(path, "xl/sharedStrings.xml", [&](QXmlStreamReader& x) {
        if (x.name() == QLatin1String("t")) {
            strings.append(x.readElementText());
        }
    });
    // The fonts, and for each cell style the font it uses (cellXfs follow the fonts).
    QList<XlsxCell> fonts;
    QList<int> styleFonts;
    EachElement(path, "xl/styles.xml", [&](QXmlStreamReader& x) {
        const auto value = [&x](const char* name) { return x.attributes().value(name); };
        if (x.name() == QLatin1String("font")) {
            fonts.append(XlsxCell());
        } else if (x.name() == QLatin1String("b")) {
            fonts.last().bold = true;
        } else if (x.name() == QLatin1String("sz") && !fonts.isEmpty()) {
            fonts.last().size = value("val").toDouble();
        } else if (x.name() == QLatin1String("xf") && !value("fontId").isEmpty()) {
            styleFonts.append(value("fontId").toInt());
        }
    });
    // cellStyleXfs come before cellXfs and hold one entry; cell styles index cellXfs.
    if (!styleFonts.isEmpty()) {
        styleFonts.removeFirst();
    }

    XlsxSheet sheet;
    QString ref;
    bool shared = false;
    EachElement(path, "xl/worksheets/sheet1.xml", [&](QXmlStreamReader& x) {
        const auto value = [&x](const char* name) { return x.attributes().value(name); };
        if (x.name() == QLatin1String("selection")) {
            sheet.activeCell = value("activeCell").toString();
        } else if (x.name() == QLatin1String("c")) {
            ref = value("r").toString();
            shared = value("t") == QLatin1String("s");
            XlsxCell& cell = sheet.cells[ref];
            const XlsxCell font = fonts.value(styleFonts.value(value("s").toInt()));
            cell.bold = font.bold;
            cell.size = font.size;
        } else if (x.name() == QLatin1String("v")) {
            const QString v = x.readElementText();
            sheet.cells[ref].text = shared ? strings.value(v.toInt()) : v;
        }
    });
    return sheet;
}

} // namespace tovak::test
