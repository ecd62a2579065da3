#include "core/compute/adjustment/apriori_options.h"

#include "core/compute/adjustment/adjustment_texts.h"

#include <QSet>

#include <cmath>

namespace Adjustment
{
namespace
{
bool Usable(const Sigmas& sigmas)
{
    const auto nonNegative = [](double value) { return std::isfinite(value) && value >= 0.0; };
    return nonNegative(sigmas.directionSeconds) && nonNegative(sigmas.distanceMm) &&
           nonNegative(sigmas.distancePpm) && nonNegative(sigmas.centringMm) && nonNegative(sigmas.heightMm) &&
           sigmas.directionSeconds > 0.0 && sigmas.distanceMm + sigmas.distancePpm > 0.0;
}

bool UsableWeight(const std::optional<double>& sigma)
{
    return !sigma || (std::isfinite(*sigma) && *sigma > 0.0);
}
} // namespace

Sigmas AprioriOptions::SigmasAt(const QString& station) const
{
    Sigmas at = sigmas;
    for (const StationSigmas& own : stations)
        if (own.station == station)
        {
            at.directionSeconds = own.directionSeconds.value_or(at.directionSeconds);
            at.distanceMm = own.distanceMm.value_or(at.distanceMm);
            at.distancePpm = own.distancePpm.value_or(at.distancePpm);
            at.centringMm = own.centringMm.value_or(at.centringMm);
            break;
        }
    return at;
}

const KnownWeight* AprioriOptions::WeightOf(const QString& point) const
{
    for (const KnownWeight& weight : weights)
        if (weight.point == point)
            return &weight;
    return nullptr;
}

Outcome CheckAprioriOptions(const AprioriOptions& options)
{
    if (!Usable(options.sigmas))
        return {Status::BadRow, AdjustmentTexts::InstrumentSigmasRefused.Text()};
    QSet<QString> seen;
    for (const StationSigmas& own : options.stations)
    {
        if (seen.contains(own.station))
            return {Status::BadRow, AdjustmentTexts::StationTwice.Arg(own.station)};
        seen.insert(own.station);
        if (!Usable(options.SigmasAt(own.station)))
            return {Status::BadRow, AdjustmentTexts::StationSigmasRefused.Arg(own.station)};
    }
    seen.clear();
    for (const KnownWeight& weight : options.weights)
    {
        if (seen.contains(weight.point))
            return {Status::BadRow, AdjustmentTexts::WeightTwice.Arg(weight.point)};
        seen.insert(weight.point);
        if (!UsableWeight(weight.planMm) || !UsableWeight(weight.heightMm))
            return {Status::BadRow, AdjustmentTexts::WeightRefused.Arg(weight.point)};
    }
    return Status::Done;
}
} // namespace Adjustment
