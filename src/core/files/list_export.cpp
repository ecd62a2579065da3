#include "core/files/list_export.h"

#include "core/files/coordinate_formats.h"
#include "core/files/field_line.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

#include <QFileInfo>

namespace
{
// Writes one line per row, the cells of `columns` joined by `separator`: quoted as CSV, or as
// fixed columns that refuse a cell which would move the columns after it.
Outcome WriteColumns(const QString& path, const QStringList* header, IListRows& rows, const QList<int>& columns,
                     const QString& separator, bool csv)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
        return {Status::FileNotWritable};
    CFieldLine line(separator.toUtf8(), csv);
    if (header)
    {
        for (const QString& caption : *header)
            line.Add(caption.toUtf8());
        writer.WriteUtf8Line(line.Line());
    }
    qlonglong number = 0;
    while (rows.Next())
    {
        ++number;
        line.Clear();
        for (const int column : columns)
            line.Add(rows.Cell(column));
        if (!line.BrokenField().isEmpty())
        {
            writer.Cancel();
            return {Status::BadRow, FilesTexts::FieldBreaksColumns(number, QString::fromUtf8(line.BrokenField()))};
        }
        writer.WriteUtf8Line(line.Line());
    }
    // A read that broke off has been reported; the old file stays rather than half a list.
    if (rows.Failed())
    {
        writer.Cancel();
        return {Status::DatabaseError};
    }
    return writer.Commit();
}

QList<int> ColumnRange(int first, int count)
{
    QList<int> columns;
    for (int i = first; i < count; ++i)
        columns << i;
    return columns;
}
} // namespace

Outcome ExportList(const QString& path, const QStringList& captions, IListRows& rows)
{
    QStringList header;
    for (const QString& caption : captions)
        header << caption.trimmed();
    // The list export is CSV whatever the file is called.
    const Outcome outcome =
        WriteColumns(path, &header, rows, ColumnRange(0, int(captions.size())), QStringLiteral(","), true);
    if (!outcome.Succeeded())
        return outcome;
    return Outcome::DoneSaying(FilesTexts::DataExportSuccess);
}

Outcome ExportList(const QString& path, const QStringList& captions, const QList<QStringList>& rows)
{
    CMemoryListRows memory(rows);
    return ExportList(path, captions, memory);
}

QString OutputSeparator(const QString& path, int separatorIndex)
{
    // Only the lower-case extension forces commas; "CSV" keeps the chosen separator.
    if (QFileInfo(path).suffix().trimmed() == QLatin1String("csv"))
        return QStringLiteral(",");
    switch (separatorIndex)
    {
    case 1:
        return QStringLiteral(" ");
    case 2:
        return QStringLiteral("\t");
    default:
        return QStringLiteral(",");
    }
}

Outcome ExportOutputFile(const QString& path, DataKind kind, int columnCount, IListRows& rows, int separatorIndex,
                         int formatIndex)
{
    const QList<int> columns =
        kind == DataKind::Coor ? CoordinateFormat(formatIndex) : ColumnRange(2, columnCount);
    const QString separator = OutputSeparator(path, separatorIndex);
    return WriteColumns(path, nullptr, rows, columns, separator, IsCsvPath(path) && separator == QLatin1String(","));
}

Outcome ExportOutputFile(const QString& path, DataKind kind, int columnCount, const QList<QStringList>& rows,
                         int separatorIndex, int formatIndex)
{
    CMemoryListRows memory(rows);
    return ExportOutputFile(path, kind, columnCount, memory, separatorIndex, formatIndex);
}

bool HasDataExport(DataKind kind)
{
    return kind == DataKind::Coor || kind == DataKind::Code || kind == DataKind::Alignment;
}

Outcome ExportData(const QString& path, DataKind kind, IListRows& rows)
{
    if (!HasDataExport(kind))
        return {Status::NothingToDo};
    const QList<int> columns = kind == DataKind::Code ? QList<int>{2, 3} : QList<int>{2, 3, 4, 5, 6};
    const Outcome outcome = WriteColumns(path, nullptr, rows, columns, QStringLiteral(","), IsCsvPath(path));
    if (!outcome.Succeeded())
        return outcome;
    return Outcome::DoneSaying(FilesTexts::ExportSuccess);
}

Outcome ExportData(const QString& path, DataKind kind, const QList<QStringList>& rows)
{
    CMemoryListRows memory(rows);
    return ExportData(path, kind, memory);
}
