#include "core/results/adjustment_store.h"

#include "core/compute/adjustment/residual_vectors.h"
#include "core/store/bulk_insert.h"
#include "core/store/discarded_copy.h"
#include "core/results/fixed_number.h"
#include "core/results/result_store.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

#include <numbers>

using namespace Adjustment;

namespace
{
QString AttrOf(Datum datum)
{
    switch (datum)
    {
    case Datum::Fixed: return QStringLiteral("FIXED");
    case Datum::Weighted: return QStringLiteral("WEIGHTED");
    case Datum::Free: break;
    }
    return QStringLiteral("ADJUSTED");
}

QString Millimetres(const std::optional<double>& metres)
{
    return metres ? FixedNumber(*metres * 1000.0, 1) : QString();
}
} // namespace

Outcome StoreAdjustedPoints(CProjectStore& store, const Network& network, const PlanAdjustment& plan,
                            const HeightAdjustment* heights, const QHash<QString, QString>& codes)
{
    QHash<int, const AdjustedHeight*> heightOf;
    if (heights)
        for (const AdjustedHeight& height : heights->heights)
            heightOf.insert(height.point, &height);
    CTransaction transaction(store);
    if (!transaction.IsActive() || !EmptyTables(store, {Tbl::AdjCoor, Tbl::AdjResidual}))
        return Status::DatabaseError;
    {
        CBulkInsert insert(store, Tbl::AdjCoor);
        qlonglong id = 0;
        for (const AdjustedPoint& point : plan.points)
        {
            const QString& name = network.points[size_t(point.point)].name;
            const AdjustedHeight* height = heightOf.value(point.point);
            const std::optional<double> knownHeight = network.points[size_t(point.point)].height;
            QString zText, sigmaZ;
            if (height)
            {
                zText = FixedNumber(height->height, 4);
                sigmaZ = Millimetres(height->sigma);
            }
            else if (knownHeight && network.points[size_t(point.point)].LevelDatum() != Datum::Free)
                zText = FixedNumber(*knownHeight, 4); // a known height the heights did not adjust
            const std::optional<ErrorEllipse>& ellipse = point.ellipse;
            const QStringList texts = {
                AttrOf(point.datum),
                name,
                FixedNumber(point.north, 4),
                FixedNumber(point.east, 4),
                Millimetres(point.sigmaNorth),
                Millimetres(point.sigmaEast),
                ellipse ? FixedNumber(ellipse->major * 1000.0, 1) : QString(),
                ellipse ? FixedNumber(ellipse->minor * 1000.0, 1) : QString(),
                ellipse ? FixedNumber(ellipse->azimuth * 180.0 / std::numbers::pi, 1) : QString(),
                zText,
                sigmaZ,
                codes.value(name)};
            if (!insert.Add(++id, texts))
                return Status::DatabaseError;
        }
        if (!insert.Finish())
            return Status::DatabaseError;
    }
    CBulkInsert residuals(store, Tbl::AdjResidual);
    qlonglong id = 0;
    for (const ResidualVector& vector : ResidualVectors(network, plan))
    {
        const QStringList texts = {network.points[size_t(vector.station)].name,
                                   network.points[size_t(vector.target)].name, FixedNumber(vector.north * 1000.0, 1),
                                   FixedNumber(vector.east * 1000.0, 1)};
        if (!residuals.Add(++id, texts))
            return Status::DatabaseError;
    }
    return residuals.Finish() && transaction.Commit() ? Status::Done : Status::DatabaseError;
}

Outcome CopyAdjustedToList(CProjectStore& store)
{
    return CopyResultsToList(store, Tbl::AdjCoor);
}
