#include "widgets/OroGridExport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <memory>

namespace tovak {

namespace {

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

// Sheet names may not hold these characters and are at most 31 long.
QString SafeSheetName(const QString& name) {
    QString safe = name.left(31);
    for (QChar& c : safe) {
        if (QStringLiteral("[]:*?/\\").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    return safe.trimmed().isEmpty() ? QStringLiteral("Tabelle1") : safe;
}

} // namespace

bool WriteWorkbook(const QList<QStringList>& rows, const QString& sheetName, const QString& path) {
#ifdef Q_OS_WIN
    // libxlsxwriter opens the file by its UTF-8 name there, not in the ANSI code page.
    const QByteArray fileName = path.toUtf8();
#else
    const QByteArray fileName = QFile::encodeName(path);
#endif
    lxw_workbook* raw = workbook_new(fileName.constData());
    if (raw == nullptr) {
        return false;
    }
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(raw);
    const QByteArray name = SafeSheetName(sheetName).toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(raw, name.constData());
    lxw_format* header = workbook_add_format(raw);
    if (sheet == nullptr || header == nullptr) {
        return false;
    }
    format_set_bold(header);
    format_set_font_size(header, 12);

    const int lastRow = std::min<int>(static_cast<int>(rows.size()), LXW_ROW_MAX) - 1;
    for (int r = 0; r <= lastRow; ++r) {
        const QStringList& cells = rows.at(r);
        const int lastCol = std::min<int>(static_cast<int>(cells.size()), LXW_COL_MAX) - 1;
        for (int c = 0; c <= lastCol; ++c) {
            const QByteArray text = cells.at(c).toUtf8();
            const lxw_error written =
                worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                       text.constData(), r == 0 ? header : nullptr);
            if (written != LXW_NO_ERROR) {
                return false;
            }
        }
    }
    worksheet_set_selection(sheet, 1, 0, 1, 0);
    return workbook_close(workbook.release()) == LXW_NO_ERROR;
}

QString NewExportPath(const QString& baseName) {
    QDir folder(QDir::tempPath());
    const QString sub = QStringLiteral("TOVAK-Export");
    if (!folder.mkpath(sub) || !folder.cd(sub)) {
        return {};
    }
    // A workbook still open in the spreadsheet program is never overwritten.
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString path = folder.filePath(baseName + QLatin1Char('-') + stamp + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder.filePath(QStringLiteral("%1-%2-%3.xlsx").arg(baseName, stamp).arg(n));
    }
    return path;
}

} // namespace tovak
