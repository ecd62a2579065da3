#include "core/files/text_import.h"

#include "core/download/job_writer.h"
#include "core/download/meas_parser.h"
#include "core/download/v2_records.h"
#include "core/files/bulk_insert.h"
#include "core/files/coordinate_formats.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "core/store/transaction.h"
#include "core/views/data_kind.h"

#include <array>

namespace
{
constexpr int MaxFields = 6;
using Fields = std::array<QStringView, MaxFields>;

// The first `limit` comma-separated fields of a line. Only commas separate: a line of
// blanks, tabs or semicolons holds no comma, and a line without a comma yields no field at
// all, not even the first. Fields keep their blanks.
Fields SplitFields(QStringView line, int limit)
{
    Fields fields;
    if (!line.contains(QLatin1Char(',')))
        return fields;
    qsizetype start = 0;
    for (int i = 0; i < limit; ++i)
    {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0)
        {
            fields[i] = line.mid(start);
            break;
        }
        fields[i] = line.mid(start, comma - start);
        start = comma + 1;
    }
    return fields;
}

QStringView CoordinateText(QStringView field)
{
    return field.isEmpty() ? QStringView(u"0") : field;
}

bool ImportCoordinates(CProjectStore& store, const QList<QStringView>& lines, int formatIndex,
                       QList<QStringList>* listRows)
{
    const QList<int>& format = CoordinateFormat(formatIndex);
    CTransaction transaction(store);
    if (!transaction.IsActive() || !store.ExecuteSql(QStringLiteral("delete from CoorEdit")))
        return false;
    CBulkInsert insert(store, QStringLiteral("CoorEdit"),
                       {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE"});
    qlonglong number = 0;
    for (QStringView line : lines)
    {
        ++number;
        const Fields fields = SplitFields(line, int(format.size()));
        std::array<QStringView, CoorColumn::Count> cells;
        for (qsizetype i = 0; i < format.size(); ++i)
            cells[format[i]] = fields[i];
        // The file's serial number is dropped: rows are numbered as they are read.
        const QStringView name = cells[CoorColumn::Name];
        const QStringView north = CoordinateText(cells[CoorColumn::North]);
        const QStringView east = CoordinateText(cells[CoorColumn::East]);
        const QStringView height = CoordinateText(cells[CoorColumn::Height]);
        const QStringView code = cells[CoorColumn::Code];
        if (!insert.Add(number, {FilesTexts::ImportCoorAttr, name, north, east, height, code.trimmed()}))
            return false;
        if (listRows)
            listRows->append({QString::number(number), FilesTexts::ImportCoorAttr, name.toString(), north.toString(),
                              east.toString(), height.toString(), code.toString()});
    }
    return insert.Finish() && transaction.Commit();
}

bool ImportCodes(CProjectStore& store, const QList<QStringView>& lines, QList<QStringList>* listRows)
{
    CTransaction transaction(store);
    if (!transaction.IsActive() || !store.ExecuteSql(QStringLiteral("delete from CodeEdit")))
        return false;
    CBulkInsert insert(store, QStringLiteral("CodeEdit"), {"ID", "ATTR", "SN", "CODE"});
    qlonglong number = 0;
    for (QStringView line : lines)
    {
        ++number;
        // Without a comma the whole line is the code number.
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        const QStringView code = comma < 0 ? line : line.left(comma);
        QStringView text;
        if (comma >= 0)
        {
            const qsizetype next = line.indexOf(QLatin1Char(','), comma + 1);
            text = line.mid(comma + 1, next < 0 ? -1 : next - comma - 1);
        }
        if (!insert.Add(number, {FilesTexts::ImportCodeAttr, code, text}))
            return false;
        if (listRows)
            listRows->append({QString::number(number), FilesTexts::ImportCodeAttr, code.toString(), text.toString()});
    }
    return insert.Finish() && transaction.Commit();
}
// A saved job as its parser reads it: the lines without trailing blanks, each ended by CR LF.
QString JobText(const QList<QStringView>& lines)
{
    QString text;
    for (QStringView line : lines)
    {
        qsizetype end = line.size();
        while (end > 0 && line[end - 1].isSpace())
            --end;
        text += line.left(end);
        text += QLatin1String("\r\n");
    }
    return text;
}

// The old job and the new one change in one transaction: a row the database refuses undoes
// the whole import.
bool ImportJob(CProjectStore& store, const QList<QStringView>& lines)
{
    ParsedJob job = ParseMeasJobFile(JobText(lines));
    if (!job.replaces.contains(QStringLiteral("740Meas")))
        job.replaces.prepend(QStringLiteral("740Meas"));
    return StoreParsedJob(store, job);
}

V2Record V2RecordOfFormat(int formatIndex)
{
    return V2RecordAt(formatIndex).value_or(V2Record::Meas);
}

bool ImportV2(CProjectStore& store, const QList<QStringView>& lines, int formatIndex)
{
    return StoreParsedJob(store, ParseV2(V2RecordOfFormat(formatIndex), JobText(lines)));
}
} // namespace

DataKind ImportKindOf(ImportType dataType)
{
    switch (dataType)
    {
    case ImportType::Code:
        return DataKind::Code;
    case ImportType::T5:
    case ImportType::T8:
        return DataKind::Meas;
    case ImportType::V2:
        return DataKind::V2Meas;
    default:
        return DataKind::Coor;
    }
}

DataKind ImportedKindOf(ImportType dataType, int formatIndex)
{
    return dataType == ImportType::V2 ? KindOfV2Record(V2RecordOfFormat(formatIndex)) : ImportKindOf(dataType);
}

ImportStatus ImportFile(CProjectStore& store, ImportType dataType, int formatIndex, const QString& path,
                        QList<QStringList>* listRows)
{
    const std::optional<QString> text = ReadTextFile(path);
    if (!text)
    {
        store.Reporter().Message(FilesTexts::OpenFileFailed, MessageIcon::Exclamation);
        return ImportStatus::FileNotOpened;
    }
    const QList<QStringView> lines = SplitLines(*text);
    QList<QStringList> rows;
    bool stored = false;
    switch (dataType)
    {
    case ImportType::Code:
        stored = ImportCodes(store, lines, listRows ? &rows : nullptr);
        break;
    case ImportType::T5:
    case ImportType::T8:
        stored = ImportJob(store, lines);
        break;
    case ImportType::V2:
        stored = ImportV2(store, lines, formatIndex);
        break;
    default:
        stored = ImportCoordinates(store, lines, formatIndex, listRows ? &rows : nullptr);
        break;
    }
    if (!stored)
        return ImportStatus::StoreFailed;
    if (listRows)
        *listRows = std::move(rows);
    return ImportStatus::Done;
}
