// The grid's spreadsheet export: a real .xlsx workbook, opened with the desktop's
// spreadsheet program.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tovak {

// Writes one sheet: rows[0] is the header (row 1, bold 12 pt), rows[1..] follow from row 2,
// column A on; every cell is text exactly as given. A2 is the selected cell. False when the
// file could not be written.
bool WriteWorkbook(const QList<QStringList>& rows, const QString& sheetName, const QString& path);

// A new file name in the export folder below the system's temporary folder
// ("TOVAK-Export/<baseName>-<date>_<time>.xlsx"); empty when the folder cannot be made.
QString NewExportPath(const QString& baseName);

} // namespace tovak
