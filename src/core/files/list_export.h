#pragma once

#include "core/report/outcome.h"
#include "core/views/data_kind.h"

#include <QList>
#include <QString>
#include <QStringList>

class IListRows;

// The three exports of what the list shows. Each reads the list's cell texts row by row and
// writes them unchanged (no quoting, no number formatting), in GBK with CR LF line ends, one
// line at a time: a list of a million rows is never held whole. A file that cannot be created
// ends FileNotWritable and is left untouched; one whose rows could not be read ends DatabaseError
// and is left untouched too.
// The overloads over rows in memory serve small lists and tests.

// CSV with a header: the captions trimmed, then every cell of every row, joined by commas.
// Done says "Data Export Success!".
Outcome ExportList(const QString& path, const QStringList& captions, IListRows& rows);
Outcome ExportList(const QString& path, const QStringList& captions, const QList<QStringList>& rows);

// The separator of an output file: a comma when the file name's extension is exactly "csv";
// otherwise that of `separatorIndex` (0 comma, 1 blank, 2 tab).
QString OutputSeparator(const QString& path, int separatorIndex);

// The output file: coordinates (kind 21) in the column format `formatIndex` (0 to 7); any
// other kind the cells from column 2 up to column `columnCount` − 1. Done says nothing.
Outcome ExportOutputFile(const QString& path, DataKind kind, int columnCount, IListRows& rows, int separatorIndex,
                         int formatIndex);
Outcome ExportOutputFile(const QString& path, DataKind kind, int columnCount, const QList<QStringList>& rows,
                         int separatorIndex, int formatIndex);

// The kinds the data export serves: coordinates, codes and alignment elements.
bool HasDataExport(DataKind kind);

// Fixed comma-separated columns of kinds 21, 22 and 52004 (the list without its number and
// origin). Done says "Export Success!"; any other kind is NothingToDo.
Outcome ExportData(const QString& path, DataKind kind, IListRows& rows);
Outcome ExportData(const QString& path, DataKind kind, const QList<QStringList>& rows);
