#include "core/files/list_export.h"

#include "core/files/coordinate_formats.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

#include <QFileInfo>

namespace
{
// Writes one line per row, the cells of `columns` joined by `separator`.
Status WriteColumns(const QString& path, const QStringList* header, IListRows& rows, const QList<int>& columns,
                    const QString& separator)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
        return Status::FileNotWritable;
    if (header)
        writer.WriteLine(header->join(separator));
    const QByteArray glue = separator.toUtf8();
    QByteArray line;
    while (rows.Next())
    {
        line.clear();
        for (qsizetype i = 0; i < columns.size(); ++i)
        {
            if (i > 0)
                line += glue;
            line += rows.Cell(columns[i]);
        }
        writer.WriteUtf8Line(line);
    }
    // A read that broke off has been reported; the old file stays rather than half a list.
    if (rows.Failed())
        return Status::DatabaseError;
    return writer.Commit() ? Status::Done : Status::FileNotWritable;
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
    const QString comma = QStringLiteral(",");
    const Status status = WriteColumns(path, &header, rows, ColumnRange(0, int(captions.size())), comma);
    if (status != Status::Done)
        return {status};
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
    return {WriteColumns(path, nullptr, rows, columns, OutputSeparator(path, separatorIndex))};
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
    const Status status = WriteColumns(path, nullptr, rows, columns, QStringLiteral(","));
    if (status != Status::Done)
        return {status};
    return Outcome::DoneSaying(FilesTexts::ExportSuccess);
}

Outcome ExportData(const QString& path, DataKind kind, const QList<QStringList>& rows)
{
    CMemoryListRows memory(rows);
    return ExportData(path, kind, memory);
}
