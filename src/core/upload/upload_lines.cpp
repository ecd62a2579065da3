#include "core/upload/upload_lines.h"

#include "core/files/gbk_text.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/upload/upload_texts.h"
#include "core/views/data_kind.h"

#include <QLocale>

#include <cmath>

namespace
{
QByteArray Encode(const QString& line)
{
    return EncodeGbk(line + QStringLiteral("\r\n"));
}

// A coordinate as a number; nothing when the column is empty or holds a text that is no number.
std::optional<double> NumberOf(const QVariant& value)
{
    const QString text = value.toString().trimmed();
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

// The coordinates in the order of the query below, as a refusal names them.
constexpr const char* CoordinateNames[] = {"north coordinate (N)", "east coordinate (E)", "height (Z)"};

UploadLines PointLines(CProjectStore& store, DataKind kind)
{
    UploadLines result;
    CStatement rows(store, Sql("select %1,%2,%3,%4,%5 from %6",
                               {Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Col::CODE, Tbl::CoorEdit}));
    for (int row = 1; rows.Next(); ++row)
    {
        const QString name = rows.Text(0);
        if (name.trimmed().isEmpty())
        {
            result.outcome = {Status::BadRow, UploadTexts::PointWithoutName.Arg(row)};
            return result;
        }
        double values[3];
        for (int i = 0; i < 3; ++i)
        {
            const std::optional<double> value = NumberOf(rows.Value(1 + i));
            if (!value)
            {
                result.outcome = {Status::BadRow, UploadTexts::PointWithoutValue.Arg(name, QLatin1String(CoordinateNames[i]))};
                return result;
            }
            values[i] = *value;
        }
        result.lines << (kind == DataKind::UploadT5
                             ? PacedPointLine(name, values[0], values[1], values[2])
                             : HandshakePointLine(name, values[0], values[1], values[2],
                                                  rows.Text(4)));
    }
    if (rows.Failed())
        result.outcome = Status::DatabaseError;
    return result;
}

UploadLines AlignmentLines(CProjectStore& store)
{
    UploadLines result;
    // The instrument takes the elements in the order of the chain, as the list shows them.
    CStatement rows(store, FillStatementOf(DataKind::Alignment));
    for (int row = 1; rows.Next(); ++row)
    {
        auto missing = [&](const char* what) {
            result.outcome = {Status::BadRow, UploadTexts::ElementWithoutValue.Arg(row, QLatin1String(what))};
            return result;
        };
        const QString lineType = rows.Text(Col::LINETYPE).trimmed();
        if (lineType.isEmpty())
            return missing("line type");
        const std::optional<double> start = NumberOf(rows.Value(Col::STARTDIST));
        if (!start)
            return missing("start chainage");
        // Coordinates go out as they were entered; they only have to be numbers.
        const QString north = rows.Text(Col::NCOOR).trimmed();
        if (!NumberOf(north))
            return missing("north coordinate (N)");
        const QString east = rows.Text(Col::ECOOR).trimmed();
        if (!NumberOf(east))
            return missing("east coordinate (E)");
        // The chainage is stored as a number: its shortest plain form, never an exponent
        // (100000, not 1e+05).
        result.lines << AlignmentLine(lineType, QString::number(*start, 'f', QLocale::FloatingPointShortest),
                                      rows.Text(Col::CIRCUS).trimmed(), north, east);
    }
    if (rows.Failed())
        result.outcome = Status::DatabaseError;
    return result;
}
} // namespace

QString UploadedTableOf(int category)
{
    return TableOf(category == UploadCategory::Alignment ? DataKind::Alignment : DataKind::Coor);
}

QByteArray PacedPointLine(const QString& name, double north, double east, double height)
{
    return Encode(name + QString::asprintf(",%lf,%lf,%lf", north, east, height));
}

QByteArray HandshakePointLine(const QString& name, double north, double east, double height, const QString& code)
{
    return Encode(name + QString::asprintf(",%.3f,%.3f,%.3f,", north, east, height) + code + QLatin1Char(','));
}

QByteArray AlignmentLine(const QString& lineType, const QString& startChainage, const QString& radius,
                         const QString& north, const QString& east)
{
    return Encode(QStringList{lineType, startChainage, radius, north, east, QString()}.join(QLatin1Char(',')));
}

UploadLines BuildUploadLines(CProjectStore& store, DataKind kind, int category)
{
    if (kind == DataKind::UploadT5)
        return PointLines(store, kind);
    if (kind == DataKind::UploadV2)
        return category == UploadCategory::Alignment ? AlignmentLines(store)
                                                     : PointLines(store, kind);
    return {};
}
