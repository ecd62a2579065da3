#include "core/files/text_import.h"

#include "core/download/meas_parser.h"
#include "core/download/v2_parsers.h"
#include "core/download/v2_records.h"
#include "core/files/coordinate_formats.h"
#include "core/files/files_texts.h"
#include "core/files/text_lines.h"
#include "core/store/bulk_insert.h"
#include "core/store/discarded_copy.h"
#include "core/store/project_files.h"
#include "core/store/project_store.h"
#include "core/store/row_origins.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace
{
constexpr int MaxFields = 6;
using Fields = std::array<QByteArrayView, MaxFields>;

// The list column that shows a point's code.
constexpr int CoorCodeColumn = 6;

// The first `limit` comma-separated fields of a line. Only commas separate: a line of
// blanks, tabs or semicolons holds no comma, and a line without a comma yields no field at
// all, not even the first. Fields keep their blanks.
Fields SplitFields(QByteArrayView line, int limit)
{
    Fields fields;
    if (!line.contains(','))
        return fields;
    qsizetype start = 0;
    for (int i = 0; i < limit; ++i)
    {
        const qsizetype comma = line.indexOf(',', start);
        if (comma < 0)
        {
            fields[i] = line.sliced(start);
            break;
        }
        fields[i] = line.sliced(start, comma - start);
        start = comma + 1;
    }
    return fields;
}

QByteArrayView CoordinateText(QByteArrayView field)
{
    return field.isEmpty() ? QByteArrayView("0") : field;
}

// A list replaced by an import, in one transaction: the old rows go to discarded/ first, and
// the new ones stand only once every one of them is stored.
class CListReplacement
{
public:
    CListReplacement(CProjectStore& store, const QString& table)
        : m_transaction(store), m_begun(m_transaction.IsActive() && DiscardRows(store, table))
    {
        if (m_begun)
            m_rows.emplace(store, table);
    }

    bool Begun() const { return m_begun; }
    CBulkInsert& Rows() { return *m_rows; }
    Status Commit() { return m_rows->Finish() && m_transaction.Commit() ? Status::Done : Status::DatabaseError; }

private:
    CTransaction m_transaction;
    bool m_begun;
    std::optional<CBulkInsert> m_rows;
};

// What a file read to its end gives before anything is kept: a file that turned out binary or
// has a line too long stores nothing, and neither does one without a single record.
Status ReadingStatus(const CTextLineReader& reader, bool anyRecord)
{
    if (reader.LooksBinary())
        return Status::NotText;
    if (reader.TooLongLine())
        return Status::BadRow;
    if (!anyRecord)
        return Status::NoRecords;
    return Status::Done;
}

Status ImportCoordinates(CProjectStore& store, CTextLineReader& reader, int formatIndex, ListCellOverlay* shownCodes)
{
    const QList<int>& format = CoordinateFormat(formatIndex);
    CListReplacement list(store, Tbl::CoorEdit);
    if (!list.Begun())
        return Status::DatabaseError;
    const QByteArray attr = RowOrigins::ImportCoor.toUtf8();
    QByteArray line;
    QByteArray trimmedBuffer;
    qlonglong number = 0;
    bool anyRecord = false;
    while (reader.Next(line))
    {
        ++number;
        anyRecord = anyRecord || line.contains(',');
        const Fields fields = SplitFields(line, int(format.size()));
        std::array<QByteArrayView, CoorColumn::Count> cells;
        for (qsizetype i = 0; i < format.size(); ++i)
            cells[format[i]] = fields[i];
        // The file's serial number is dropped: rows are numbered as they are read.
        const QByteArrayView code = cells[CoorColumn::Code];
        const QByteArrayView storedCode = TrimmedCell(code, trimmedBuffer);
        if (!list.Rows().Add(number, {attr, cells[CoorColumn::Name], CoordinateText(cells[CoorColumn::North]),
                                      CoordinateText(cells[CoorColumn::East]),
                                      CoordinateText(cells[CoorColumn::Height]), storedCode}))
            return Status::DatabaseError;
        if (shownCodes && storedCode.size() != code.size())
            shownCodes->texts.insert(number - 1, QString::fromUtf8(code));
    }
    if (const Status read = ReadingStatus(reader, anyRecord); read != Status::Done)
        return read;
    if (shownCodes)
        shownCodes->column = CoorCodeColumn;
    return list.Commit();
}

Status ImportCodes(CProjectStore& store, CTextLineReader& reader)
{
    CListReplacement list(store, Tbl::CodeEdit);
    if (!list.Begun())
        return Status::DatabaseError;
    const QByteArray attr = RowOrigins::ImportCode.toUtf8();
    QByteArray line;
    qlonglong number = 0;
    bool anyRecord = false;
    while (reader.Next(line))
    {
        ++number;
        anyRecord = anyRecord || !line.isEmpty();
        // Without a comma the whole line is the code number.
        const QByteArrayView view(line);
        const qsizetype comma = view.indexOf(',');
        const QByteArrayView code = comma < 0 ? view : view.first(comma);
        QByteArrayView text;
        if (comma >= 0)
        {
            const qsizetype next = view.indexOf(',', comma + 1);
            text = next < 0 ? view.sliced(comma + 1) : view.sliced(comma + 1, next - comma - 1);
        }
        if (!list.Rows().Add(number, {attr, code, text}))
            return Status::DatabaseError;
    }
    if (const Status read = ReadingStatus(reader, anyRecord); read != Status::Done)
        return read;
    return list.Commit();
}

// A line of a saved job as its parser reads it: without trailing blanks.
QStringView WithoutTrailingBlanks(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace())
        --end;
    return QStringView(line).left(end);
}

// A saved job read and stored line by line: the old rows and the new ones change in one
// transaction, begun with the first record, so a row the database refuses undoes the whole
// import and a text that gives no record at all changes nothing.
Status ImportByLine(CProjectStore& store, CTextLineReader& reader, IJobParse& parse)
{
    const ParsedJob shape = parse.Shape();
    std::optional<CTransaction> transaction;
    std::vector<std::unique_ptr<CBulkInsert>> inserts;
    const RowSink storeRow = [&](int table, const QStringList& row) {
        if (!transaction)
        {
            transaction.emplace(store);
            if (!transaction->IsActive())
                return false;
            for (const QString& replaced : shape.replaces)
                if (!DiscardRows(store, replaced))
                    return false;
            for (const TableRows& target : shape.tables)
                inserts.push_back(std::make_unique<CBulkInsert>(store, target.table, target.columns));
        }
        return inserts[size_t(table)]->Add(row.first().toLongLong(), row.mid(1));
    };
    QByteArray bytes;
    while (reader.Next(bytes))
        if (!parse.Take(WithoutTrailingBlanks(QString::fromUtf8(bytes)), storeRow))
            return Status::DatabaseError;
    if (const Status read = ReadingStatus(reader, parse.Records() > 0); read != Status::Done)
        return read;
    for (const std::unique_ptr<CBulkInsert>& insert : inserts)
        if (!insert->Finish())
            return Status::DatabaseError;
    return transaction->Commit() ? Status::Done : Status::DatabaseError;
}

Status ImportJob(CProjectStore& store, CTextLineReader& reader)
{
    return ImportByLine(store, reader, *MeasJobFileParse());
}

V2Record V2RecordOfFormat(int formatIndex)
{
    return V2RecordAt(formatIndex).value_or(V2Record::Meas);
}

Status ImportV2(CProjectStore& store, CTextLineReader& reader, int formatIndex)
{
    return ImportByLine(store, reader, *V2ParseByLine(V2RecordOfFormat(formatIndex)));
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

Outcome ImportFile(CProjectStore& store, ImportType dataType, int formatIndex, const QString& path,
                   ListCellOverlay* shownCodes)
{
    // Nothing may so much as open the project's own files: closing one drops SQLite's locks.
    if (const Outcome chosen = CheckChosenFile(path, store.DatabasePath()); !chosen.Succeeded())
        return chosen;
    CTextLineReader reader(path);
    if (const Status opened = OpenText(reader); opened != Status::Done)
        return opened;
    ListCellOverlay codes;
    Status status = Status::Done;
    switch (dataType)
    {
    case ImportType::Code:
        status = ImportCodes(store, reader);
        break;
    case ImportType::T5:
    case ImportType::T8:
        status = ImportJob(store, reader);
        break;
    case ImportType::V2:
        status = ImportV2(store, reader, formatIndex);
        break;
    default:
        status = ImportCoordinates(store, reader, formatIndex, shownCodes ? &codes : nullptr);
        break;
    }
    if (status == Status::BadRow)
        return {status, FilesTexts::LineTooLong.Arg(reader.TooLongLine(), CTextLineReader::MaxLineBytes)};
    if (status != Status::Done)
        return {status};
    if (shownCodes)
        *shownCodes = std::move(codes);
    return {};
}
