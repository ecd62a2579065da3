#include "core/files/list_export.h"

#include "core/files/coordinate_formats.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/report/reporter.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

#include <QFileInfo>

namespace
{
// Writes one line per row, the cells of `columns` joined by `separator`.
bool WriteColumns(const QString& path, const QStringList* header, IListRows& rows, const QList<int>& columns,
                  const QString& separator, IReporter& reporter)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
    {
        reporter.Message(FilesTexts::OpenFileFailed, MessageIcon::Exclamation);
        return false;
    }
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
        return false;
    if (!writer.Commit())
    {
        reporter.Message(FilesTexts::OpenFileFailed, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

QList<int> ColumnRange(int first, int count)
{
    QList<int> columns;
    for (int i = first; i < count; ++i)
        columns << i;
    return columns;
}
} // namespace

bool ExportList(const QString& path, const QStringList& captions, IListRows& rows, IReporter& reporter)
{
    QStringList header;
    for (const QString& caption : captions)
        header << caption.trimmed();
    const QString comma = QStringLiteral(",");
    if (!WriteColumns(path, &header, rows, ColumnRange(0, int(captions.size())), comma, reporter))
        return false;
    reporter.Message(FilesTexts::DataExportSuccess, MessageIcon::Information);
    return true;
}

bool ExportList(const QString& path, const QStringList& captions, const QList<QStringList>& rows,
                IReporter& reporter)
{
    CMemoryListRows memory(rows);
    return ExportList(path, captions, memory, reporter);
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

bool ExportOutputFile(const QString& path, DataKind kind, int columnCount, IListRows& rows, int separatorIndex,
                      int formatIndex, IReporter& reporter)
{
    const QList<int> columns =
        kind == DataKind::Coor ? CoordinateFormat(formatIndex) : ColumnRange(2, columnCount);
    return WriteColumns(path, nullptr, rows, columns, OutputSeparator(path, separatorIndex), reporter);
}

bool ExportOutputFile(const QString& path, DataKind kind, int columnCount, const QList<QStringList>& rows,
                      int separatorIndex, int formatIndex, IReporter& reporter)
{
    CMemoryListRows memory(rows);
    return ExportOutputFile(path, kind, columnCount, memory, separatorIndex, formatIndex, reporter);
}

bool HasDataExport(DataKind kind)
{
    return kind == DataKind::Coor || kind == DataKind::Code || kind == DataKind::Alignment;
}

bool ExportData(const QString& path, DataKind kind, IListRows& rows, IReporter& reporter)
{
    if (!HasDataExport(kind))
        return false;
    const QList<int> columns = kind == DataKind::Code ? QList<int>{2, 3} : QList<int>{2, 3, 4, 5, 6};
    if (!WriteColumns(path, nullptr, rows, columns, QStringLiteral(","), reporter))
        return false;
    reporter.Message(FilesTexts::ExportSuccess, MessageIcon::Information);
    return true;
}

bool ExportData(const QString& path, DataKind kind, const QList<QStringList>& rows, IReporter& reporter)
{
    CMemoryListRows memory(rows);
    return ExportData(path, kind, memory, reporter);
}
