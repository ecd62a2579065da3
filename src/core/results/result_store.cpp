#include "core/results/result_store.h"

#include "core/compute/compute_texts.h"
#include "core/compute/job_rows.h"
#include "core/files/text_lines.h"
#include "core/results/fixed_number.h"
#include "core/store/bulk_insert.h"
#include "core/store/discarded_copy.h"
#include "core/store/project_store.h"
#include "core/store/row_origins.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "core/views/list_rows.h"

#include <QFile>
#include <QHash>

#include <cmath>

namespace
{
std::optional<KnownPoint> KnownOf(const QString& name, const QString& n, const QString& e, const QString& z,
                                  const QString& code)
{
    const auto north = NumberIn(n);
    const auto east = NumberIn(e);
    if (name.trimmed().isEmpty() || !north || !east)
        return std::nullopt;
    return KnownPoint{name.trimmed(), PointNEZ{*north, *east, NumberIn(z)}, code.trimmed()};
}

// The grades the program ships, from its resources.
QList<QStringList> ShippedGrades()
{
    QList<QStringList> grades;
    QFile file(QStringLiteral(":/merion/traverse_grades.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return grades;
    while (!file.atEnd())
    {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            grades << line.split(QLatin1Char(','));
    }
    return grades;
}

bool StoreGrades(CProjectStore& store, const QList<QStringList>& grades, bool replace = false)
{
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return false;
    if (replace && !RunStatement(store, Sql("delete from %1", {Tbl::TraverseGrade})))
        return false;
    CBulkInsert insert(store, Tbl::TraverseGrade);
    qlonglong id = 0;
    for (const QStringList& grade : grades)
        if (!insert.Add(++id, grade))
            return false;
    return insert.Finish() && transaction.Commit();
}

TraverseGrade GradeOf(const QStringList& fields)
{
    const auto number = [&fields](int i) { return i < fields.size() ? NumberIn(fields.at(i)).value_or(0) : 0.0; };
    return {fields.value(0).trimmed(), int(number(1)), number(2), number(3), number(4)};
}
} // namespace

Outcome ReadKnownFromList(CProjectStore& store, QList<KnownPoint>& known)
{
    known.clear();
    CListReader reader(store, DataKind::Coor);
    while (reader.Next())
    {
        if (const auto point = KnownOf(reader.Text(2), reader.Text(3), reader.Text(4), reader.Text(5), reader.Text(6)))
            known << *point;
    }
    return reader.Failed() ? Status::DatabaseError : Status::Done;
}

Outcome ReadKnownFromFile(const QString& path, QList<KnownPoint>& known)
{
    known.clear();
    CTextLineReader reader(path);
    if (const Status opened = OpenText(reader); opened != Status::Done)
        return opened;
    QByteArray line;
    while (reader.Next(line))
    {
        QStringList fields = QString::fromUtf8(line).split(QLatin1Char(','));
        while (fields.size() < 5)
            fields << QString();
        if (const auto point = KnownOf(fields.at(0), fields.at(1), fields.at(2), fields.at(3), fields.at(4)))
            known << *point;
    }
    return Status::Done;
}

Outcome StoreComputedPoints(CProjectStore& store, const PolarResult& result)
{
    CTransaction transaction(store);
    if (!transaction.IsActive() || !EmptyTables(store, {Tbl::CalcCoor}))
        return Status::DatabaseError;
    CBulkInsert insert(store, Tbl::CalcCoor);
    qlonglong id = 0;
    for (const ComputedPoint& point : result.points)
    {
        const QStringList texts = {RowOrigins::Calc,
                                   point.point,
                                   point.station,
                                   FixedNumber(point.n, 4),
                                   FixedNumber(point.e, 4),
                                   FixedNumber(point.z, 4),
                                   point.code,
                                   FixedNumber(point.dnMm, 1),
                                   FixedNumber(point.deMm, 1),
                                   FixedNumber(point.dzMm, 1),
                                   point.flagged ? QStringLiteral("1") : QString()};
        if (!insert.Add(++id, texts))
            return Status::DatabaseError;
    }
    return insert.Finish() && transaction.Commit() ? Status::Done : Status::DatabaseError;
}

Outcome StoreTraverse(CProjectStore& store, const TraverseResult& result)
{
    CTransaction transaction(store);
    if (!transaction.IsActive() || !EmptyTables(store, {Tbl::TravCoor}))
        return Status::DatabaseError;
    CBulkInsert insert(store, Tbl::TravCoor);
    // The compass rule's corrections add up leg by leg: what a station received is the sum over
    // the legs that lead to it.
    QHash<QString, std::pair<double, double>> carried;
    double vn = 0, ve = 0;
    for (const TraverseLeg& leg : result.legs)
    {
        vn += leg.vn;
        ve += leg.ve;
        carried.insert(leg.to, {vn, ve});
    }
    const bool checked = result.shape != TraverseShape::Open;
    qlonglong id = 0;
    for (qsizetype i = 0; i < result.points.size(); ++i)
    {
        const TraversePoint& point = result.points.at(i);
        // A loop ends on its start: that last row carries the whole correction.
        const auto correction = i == 0 ? std::pair{0.0, 0.0} : carried.value(point.name, {0.0, 0.0});
        const QStringList texts = {point.known ? QStringLiteral("KNOWN") : QStringLiteral("TRAVERSE"),
                                   point.name,
                                   FixedNumber(point.n, 4),
                                   FixedNumber(point.e, 4),
                                   checked ? FixedNumber(correction.first * 1000.0, 1) : QString(),
                                   checked ? FixedNumber(correction.second * 1000.0, 1) : QString()};
        if (!insert.Add(++id, texts))
            return Status::DatabaseError;
    }
    return insert.Finish() && transaction.Commit() ? Status::Done : Status::DatabaseError;
}

Outcome CopyResultsToList(CProjectStore& store, const QString& table)
{
    CTransaction transaction(store);
    const bool copied =
        transaction.IsActive() && DiscardRows(store, Tbl::CoorEdit)
        && RunStatement(store, Sql("insert into %1(%3,%4,%5,%6,%7,%8,%9) select %3,%4,%5,%6,%7,%8,%9 from %2 order by %3",
                                   {Tbl::CoorEdit, table, Col::ID, Col::ATTR, Col::SN, Col::NCOOR, Col::ECOOR,
                                    Col::ZCOOR, Col::CODE}))
        && transaction.Commit();
    return copied ? Status::Done : Status::DatabaseError;
}

Outcome CopyComputedToList(CProjectStore& store)
{
    return CopyResultsToList(store, Tbl::CalcCoor);
}

Outcome ReadTraverseGrades(CProjectStore& store, QList<TraverseGrade>& grades)
{
    grades.clear();
    QList<QStringList> rows;
    {
        // Read to the end before the shipped grades may be written below.
        CStatement stored(store, Sql("select %2,%3,%4,%5,%6 from %1 order by %7",
                                     {Tbl::TraverseGrade, Col::NAME, Col::STATIONS, Col::ANGLE, Col::RELATIVE, Col::LENGTH,
                                      Col::ID}));
        while (stored.Next())
            rows << QStringList{stored.Text(0), stored.Text(1), stored.Text(2), stored.Text(3), stored.Text(4)};
        if (stored.Failed())
            return Status::DatabaseError;
    }
    if (rows.isEmpty())
    {
        // A project that cannot be written still computes, with the grades as shipped.
        rows = ShippedGrades();
        if (store.ReadOnlyReason().isEmpty() && !StoreGrades(store, rows))
            return Status::DatabaseError;
    }
    for (const QStringList& row : rows)
    {
        const TraverseGrade grade = GradeOf(row);
        if (!grade.name.isEmpty())
            grades << grade;
    }
    return Status::Done;
}

Outcome StoreTraverseGrades(CProjectStore& store, const QList<TraverseGrade>& grades)
{
    QList<QStringList> rows;
    QStringList names;
    for (const TraverseGrade& grade : grades)
    {
        const QString name = grade.name.trimmed();
        if (name.isEmpty())
            return {Status::BadRow, ComputeTexts::GradeWithoutName};
        if (names.contains(name))
            return {Status::BadRow, ComputeTexts::GradeTwice.Arg(name)};
        if (!(grade.angleSecondsPerRoot > 0) || !(grade.relativeDenominator > 0) || grade.maxStations < 0 ||
            !(grade.maxLengthKm >= 0) || !std::isfinite(grade.angleSecondsPerRoot) ||
            !std::isfinite(grade.relativeDenominator) || !std::isfinite(grade.maxLengthKm))
            return {Status::BadRow, ComputeTexts::GradeLimits.Arg(name)};
        names << name;
        rows << QStringList{name, QString::number(grade.maxStations), QString::number(grade.angleSecondsPerRoot, 'g', 12),
                            QString::number(grade.relativeDenominator, 'g', 12), QString::number(grade.maxLengthKm, 'g', 12)};
    }
    if (store.RefuseWrite())
        return Status::DatabaseError;
    return StoreGrades(store, rows, true) ? Status::Done : Status::DatabaseError;
}
