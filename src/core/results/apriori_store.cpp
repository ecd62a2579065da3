#include "core/results/apriori_store.h"

#include "core/compute/job_rows.h"
#include "core/store/bulk_insert.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/schema_check.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

using namespace Adjustment;

namespace
{
// The exact value as the user typed it, or empty where there is none.
QString Stored(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'g', 12) : QString();
}

double Or(const QString& text, double otherwise)
{
    return NumberIn(text).value_or(otherwise);
}
} // namespace

Outcome ReadAprioriOptions(CProjectStore& store, AprioriOptions& options)
{
    options = {};
    // A read-only project made before these values were kept adjusts with the defaults.
    if (HoldsTable(store, Tbl::AdjSigma))
    {
        CStatement rows(store, Sql("select %2,%3,%4,%5,%6 from %1 order by %7",
                                   {Tbl::AdjSigma, Col::STATION, Col::DIRECTION, Col::DISTMM, Col::DISTPPM,
                                    Col::CENTRING, Col::ID}));
        while (rows.Next())
        {
            const QString station = rows.Text(0).trimmed();
            if (station.isEmpty())
            {
                Sigmas& sigmas = options.sigmas;
                sigmas.directionSeconds = Or(rows.Text(1), sigmas.directionSeconds);
                sigmas.distanceMm = Or(rows.Text(2), sigmas.distanceMm);
                sigmas.distancePpm = Or(rows.Text(3), sigmas.distancePpm);
                sigmas.centringMm = Or(rows.Text(4), sigmas.centringMm);
            }
            else
                options.stations << StationSigmas{station, NumberIn(rows.Text(1)), NumberIn(rows.Text(2)),
                                                  NumberIn(rows.Text(3)), NumberIn(rows.Text(4))};
        }
        if (rows.Failed())
            return Status::DatabaseError;
    }
    if (!HoldsTable(store, Tbl::AdjWeight))
        return Status::Done;
    CStatement rows(store, Sql("select %2,%3,%4 from %1 order by %5",
                               {Tbl::AdjWeight, Col::SN, Col::SIGMAP, Col::SIGMAZ, Col::ID}));
    while (rows.Next())
        if (const QString point = rows.Text(0).trimmed(); !point.isEmpty())
            options.weights << KnownWeight{point, NumberIn(rows.Text(1)), NumberIn(rows.Text(2))};
    return rows.Failed() ? Status::DatabaseError : Status::Done;
}

Outcome StoreAprioriOptions(CProjectStore& store, const AprioriOptions& options)
{
    if (const Outcome checked = CheckAprioriOptions(options); !checked.Succeeded())
        return checked;
    if (store.RefuseWrite())
        return Status::DatabaseError;
    CTransaction transaction(store);
    if (!transaction.IsActive() || !EmptyTables(store, {Tbl::AdjSigma, Tbl::AdjWeight}))
        return Status::DatabaseError;
    {
        CBulkInsert insert(store, Tbl::AdjSigma);
        qlonglong id = 0;
        const Sigmas& sigmas = options.sigmas;
        if (!insert.Add(++id, QStringList{QString(), Stored(sigmas.directionSeconds), Stored(sigmas.distanceMm),
                               Stored(sigmas.distancePpm), Stored(sigmas.centringMm)}))
            return Status::DatabaseError;
        for (const StationSigmas& own : options.stations)
            if (!insert.Add(++id, QStringList{own.station, Stored(own.directionSeconds), Stored(own.distanceMm),
                                   Stored(own.distancePpm), Stored(own.centringMm)}))
                return Status::DatabaseError;
        if (!insert.Finish())
            return Status::DatabaseError;
    }
    {
        CBulkInsert insert(store, Tbl::AdjWeight);
        qlonglong id = 0;
        for (const KnownWeight& weight : options.weights)
            if (!insert.Add(++id, QStringList{weight.point, Stored(weight.planMm), Stored(weight.heightMm)}))
                return Status::DatabaseError;
        if (!insert.Finish())
            return Status::DatabaseError;
    }
    return transaction.Commit() ? Status::Done : Status::DatabaseError;
}
