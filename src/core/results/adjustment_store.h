#pragma once

#include "core/compute/adjustment/adjustment_result.h"
#include "core/compute/adjustment/network.h"
#include "core/report/outcome.h"

#include <QHash>
#include <QString>

class CProjectStore;

// Replaces the adjusted points (AdjCoor) and their pointings' residual vectors (AdjResidual)
// with one adjustment's, in one transaction: coordinates with 4 decimals, σ and semi-axes in
// millimetres with 1, the ellipse's azimuth in degrees with 1; heights with their σ where
// `heights` is given. `codes` are the known points' codes by name. Ends Done or DatabaseError
// (the store has said why; both tables are as they were).
Outcome StoreAdjustedPoints(CProjectStore& store, const Adjustment::Network& network,
                            const Adjustment::PlanAdjustment& plan, const Adjustment::HeightAdjustment* heights,
                            const QHash<QString, QString>& codes);

// Copies the adjusted points into the coordinate list, for export, the card and upload. The
// list it replaces is first copied to discarded/ beside the database.
Outcome CopyAdjustedToList(CProjectStore& store);
