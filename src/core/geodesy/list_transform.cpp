#include "core/geodesy/list_transform.h"

#include "core/files/field_line.h"
#include "core/files/gbk_text.h"
#include "core/geodesy/geodesy_texts.h"
#include "core/geodesy/listed_points.h"
#include "core/geodesy/point_transform.h"
#include "core/geodesy/system_store.h"
#include "core/store/transaction.h"

namespace
{
constexpr int MetreDecimals = 4;
constexpr int DegreeDecimals = 9;
constexpr int ScaleDecimals = 9;
constexpr int AngleDecimals = 6;

// The list read and converted, or why not.
struct Converted
{
    explicit Converted(Outcome outcome, ListedPoints points = {}, CoordinateSystem from = {})
        : outcome(std::move(outcome)), points(std::move(points)), from(from)
    {
    }
    Outcome outcome;
    ListedPoints points;
    CoordinateSystem from;
    std::vector<double> fromNorth, fromEast; // the placed points before the conversion
};

Converted ConvertList(CProjectStore& store, const CoordinateSystem& to)
{
    bool readFailed = false;
    const CoordinateSystem from = ReadProjectSystem(store, &readFailed);
    if (readFailed)
        return Converted{{Status::DatabaseError}};
    if (!from.IsSet())
        return Converted{{Status::NoCoordinateSystem}};
    if (const Outcome checked = CheckSystem(to); !checked.Succeeded())
        return Converted{checked};
    Converted converted(Outcome(), ReadListedPoints(store), from);
    ListedPoints& points = converted.points;
    if (points.readFailed)
        return Converted{{Status::DatabaseError}};
    // Made after the list is read, not before: PROJ's per-point work on an operation made
    // beneath a million freshly allocated rows ran five times slower (measured, glibc's heap).
    const CPointTransform transform(from, to);
    if (!transform.Prepared().Succeeded())
        return Converted{transform.Prepared()};
    converted.fromNorth = points.north;
    converted.fromEast = points.east;
    const qsizetype failed = transform.Apply(points.north, points.east);
    if (failed >= 0)
        converted.outcome = {Status::CannotCompute,
                             GeodesyTexts::PointNotTransformed.Arg(QString::fromUtf8(points.rows[points.placed[size_t(failed)]].name))};
    return converted;
}
} // namespace

Outcome TransformPointList(CProjectStore& store, const CoordinateSystem& to)
{
    const Converted converted = ConvertList(store, to);
    if (!converted.outcome.Succeeded())
        return converted.outcome;
    // The positions and the system they are in change together or not at all.
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return {Status::DatabaseError};
    const StoredForm form{IsGeographic(to) ? DegreeDecimals : 3, false};
    if (const Outcome replaced = ReplaceListedPoints(store, converted.points, form); !replaced.Succeeded())
        return replaced;
    if (const Outcome stored = WriteProjectSystem(store, to); !stored.Succeeded())
        return stored;
    if (!transaction.Commit())
        return {Status::DatabaseError};
    return PointsTransformed(converted.points);
}

Outcome WriteTransformedPoints(CProjectStore& store, const CoordinateSystem& to, const QString& path, bool factors)
{
    const Converted converted = ConvertList(store, to);
    if (!converted.outcome.Succeeded())
        return converted.outcome;
    const ListedPoints& points = converted.points;
    const bool geographic = IsGeographic(to);
    // A grid has the factors: the target's, or, converting to latitude and longitude, the
    // project's own grid's at the points as they were.
    std::optional<CGridFactors> gridFactors;
    const std::vector<double>& factorNorth = geographic ? converted.fromNorth : points.north;
    const std::vector<double>& factorEast = geographic ? converted.fromEast : points.east;
    if (factors)
    {
        gridFactors.emplace(geographic ? converted.from : to);
        if (!gridFactors->Prepared().Succeeded())
            return gridFactors->Prepared();
    }
    const int decimals = geographic ? DegreeDecimals : MetreDecimals;

    CTextFileWriter file(path);
    if (!file.Open())
        return {Status::FileNotWritable};
    QString header = geographic ? QStringLiteral("PT,LAT,LON,Z,CODE") : QStringLiteral("PT,N,E,Z,CODE");
    if (factors)
        header += QStringLiteral(",SCALE,CONVERGENCE");
    file.WriteLine(header);
    // Lines are made of the stored bytes and written as they are when they are ASCII: a
    // million points must not cost more than PROJ's own cs2cs takes for them.
    CFieldLine line(",", true);
    size_t next = 0;
    for (size_t i = 0; i < points.rows.size(); ++i)
    {
        const ListedPoints::Row& row = points.rows[i];
        line.Clear();
        line.Add(row.name);
        if (next < points.placed.size() && points.placed[next] == i)
        {
            line.Add(FixedText(points.north[next], decimals));
            line.Add(FixedText(points.east[next], decimals));
            line.Add(points.hasHeight[next] ? FixedText(points.height[next], MetreDecimals) : QByteArray());
            line.Add(row.code);
            if (factors)
            {
                const std::optional<GridFactors> at = gridFactors->At(factorNorth[next], factorEast[next]);
                line.Add(at ? FixedText(at->scale, ScaleDecimals) : QByteArray());
                line.Add(at ? FixedText(at->convergence, AngleDecimals) : QByteArray());
            }
            ++next;
        }
        else
        {
            for (int empty = 0; empty < 3; ++empty)
                line.Add({});
            line.Add(row.code);
            for (int empty = 0; factors && empty < 2; ++empty)
                line.Add({});
        }
        file.WriteUtf8Line(line.Line());
    }
    if (const Outcome committed = file.Commit(); !committed.Succeeded())
        return committed;
    return PointsTransformed(points);
}
