#pragma once

#include "core/compute/adjustment/apriori_options.h"
#include "core/compute/adjustment/network.h"
#include "core/compute/polar.h"
#include "core/compute/setup.h"
#include "core/report/outcome.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace Adjustment
{
// The a priori values (the instrument's, a station's own, the weighted known points) and how
// the job's readings become the network's observations.
struct NetworkOptions : AprioriOptions
{
    PolarOptions polar; // reduction of the distances and heights, corrected heights
    // The known points held fixed; absent: every known point.
    std::optional<QStringList> fixed;
};

// The job's setups as an adjustment network. Each setup brings its pointings (direction HA,
// horizontal distance SD·sin VA·scale, height difference SD·cos VA + IH − PH with curvature
// and refraction) and its backsight as a direction (PA), weighted by its station's own a
// priori values where it has them. Known points are fixed, weighted where the options give
// them a σ, or only approximate where `fixed` leaves them out; every other point starts where
// the polar computation from the job's own station coordinates puts it. Ends CannotCompute
// when a name in `fixed` or among the weights is not a known point.
Outcome BuildNetwork(const QList<::Setup>& setups, const QList<KnownPoint>& known, const NetworkOptions& options,
                     Network& network);

// The network of a free station: the setups at `station`, their pointings of known points
// only, those points fixed (or weighted) and the station free (starting from its job coordinates when it
// has them, else placed from the pointings). Ends CannotCompute when the job has no setup at
// the station or it observes fewer than two known points.
Outcome BuildFreeStationNetwork(const QList<::Setup>& setups, const QList<KnownPoint>& known, const QString& station,
                                const NetworkOptions& options, Network& network);
} // namespace Adjustment
