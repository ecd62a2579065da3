#pragma once

#include "core/compute/adjustment/network.h"
#include "core/report/outcome.h"

#include <QList>
#include <QString>

#include <optional>

// What the user says about the precision of a job before it is adjusted: the instrument's a
// priori values, the setups that differ from them and the known points that are not exact.
// Values are in the user's units (seconds, millimetres, ppm).
namespace Adjustment
{
// The values the setups at one station use instead of the instrument's; an absent value is
// the instrument's.
struct StationSigmas
{
    QString station;
    std::optional<double> directionSeconds;
    std::optional<double> distanceMm;
    std::optional<double> distancePpm;
    std::optional<double> centringMm;

    bool operator==(const StationSigmas&) const = default;
};

// A known point held to its coordinates with a standard deviation (mm) instead of exactly; an
// absent value keeps that part of it (plan or height) fixed.
struct KnownWeight
{
    QString point;
    std::optional<double> planMm;
    std::optional<double> heightMm;

    bool operator==(const KnownWeight&) const = default;
};

struct AprioriOptions
{
    Sigmas sigmas; // the instrument's
    QList<StationSigmas> stations;
    QList<KnownWeight> weights;

    // The values of the setups at `station`.
    Sigmas SigmasAt(const QString& station) const;
    const KnownWeight* WeightOf(const QString& point) const;

    bool operator==(const AprioriOptions&) const = default;
};

// Whether the options can weigh observations: every value finite and not below 0, a direction's
// σ and a distance's a + b above 0 wherever they apply, a weight's σ above 0, each station and
// point named once. Ends Done, or BadRow saying the first refusal in the user's words.
Outcome CheckAprioriOptions(const AprioriOptions& options);
} // namespace Adjustment
