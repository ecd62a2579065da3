#include "core/files/list_export.h"

#include "core/files/coordinate_formats.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/report/reporter.h"
#include "core/views/data_kind.h"

#include <QFileInfo>

namespace
{
// Writes one line per row, the cells of `columns` joined by `separator`.
bool WriteColumns(const QString& path, const QStringList* header, const QList<QStringList>& rows,
                  const QList<int>& columns, const QString& separator, IReporter& reporter)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
    {
        reporter.Message(FilesTexts::OpenFileFailed, MessageIcon::Exclamation);
        return false;
    }
    if (header)
        writer.WriteLine(header->join(separator));
    QString line;
    for (const QStringList& row : rows)
    {
        line.clear();
        for (qsizetype i = 0; i < columns.size(); ++i)
        {
            if (i > 0)
                line += separator;
            line += row.value(columns[i]);
        }
        writer.WriteLine(line);
    }
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

bool ExportList(const QString& path, const QStringList& captions, const QList<QStringList>& rows,
                IReporter& reporter)
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

bool ExportOutputFile(const QString& path, DataKind kind, int columnCount, const QList<QStringList>& rows,
                      int separatorIndex, int formatIndex, IReporter& reporter)
{
    const QList<int> columns =
        kind == DataKind::Coor ? CoordinateFormat(formatIndex) : ColumnRange(2, columnCount);
    return WriteColumns(path, nullptr, rows, columns, OutputSeparator(path, separatorIndex), reporter);
}

bool HasDataExport(DataKind kind)
{
    return kind == DataKind::Coor || kind == DataKind::Code || kind == DataKind::Alignment;
}

bool ExportData(const QString& path, DataKind kind, const QList<QStringList>& rows, IReporter& reporter)
{
    if (!HasDataExport(kind))
        return false;
    const QList<int> columns = kind == DataKind::Code ? QList<int>{2, 3} : QList<int>{2, 3, 4, 5, 6};
    if (!WriteColumns(path, nullptr, rows, columns, QStringLiteral(","), reporter))
        return false;
    reporter.Message(FilesTexts::ExportSuccess, MessageIcon::Information);
    return true;
}
