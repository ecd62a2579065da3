#include "core/compute/adjustment/plan_adjustment.h"

#include "core/compute/adjustment/adjustment_texts.h"
#include "core/compute/adjustment/approximate_coordinates.h"
#include "core/compute/adjustment/datum_check.h"
#include "core/compute/adjustment/normal_equations.h"
#include "core/compute/adjustment/statistics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Adjustment
{
namespace
{
constexpr double SecondsPerRadian = 180.0 * 3600.0 / std::numbers::pi;

// Into (−π, π]: the difference of two directions.
double Wrapped(double radians)
{
    radians = std::remainder(radians, 2.0 * std::numbers::pi);
    return radians <= -std::numbers::pi ? radians + 2.0 * std::numbers::pi : radians;
}

// One direction or distance of the plan network, with its a priori variance.
struct PlanTerm
{
    ObservationRef ref;
    int station = -1;
    int target = -1;
    int orientation = -1; // the setup's orientation unknown (directions)
    double value = 0.0;
    double variance = 0.0;
};

// The unknowns and the current values of a plan adjustment.
struct PlanState
{
    std::vector<std::optional<PlanPosition>> positions;
    std::vector<int> unknownOf;       // point → its N unknown (E follows), −1 when fixed
    std::vector<double> orientation;  // per setup
    std::vector<int> orientationOf;   // setup → its unknown, −1 without directions
    int unknowns = 0;
};

double DistanceBetween(const PlanPosition& a, const PlanPosition& b)
{
    return std::hypot(b.north - a.north, b.east - a.east);
}

std::vector<PlanTerm> TermsOf(const Network& network, const PlanState& state)
{
    std::vector<PlanTerm> terms;
    for (size_t s = 0; s < network.setups.size(); ++s)
    {
        const Setup& setup = network.setups[s];
        const Sigmas& sigmas = network.SigmasOf(setup);
        const double centring = sigmas.centringMm / 1000.0;
        const double direction = sigmas.directionSeconds / SecondsPerRadian;
        for (size_t o = 0; o < setup.observations.size(); ++o)
        {
            const Observation& observation = setup.observations[o];
            if (observation.target == setup.station)
                continue;
            const double length =
                observation.distance.value_or(DistanceBetween(*state.positions[size_t(setup.station)],
                                                              *state.positions[size_t(observation.target)]));
            if (observation.direction)
            {
                // Centring the instrument and the target each moves the direction sideways.
                const double across = length > 0.0 ? 2.0 * centring * centring / (length * length) : 0.0;
                terms.push_back({{int(s), int(o), ObservationKind::Direction}, setup.station, observation.target,
                                 state.orientationOf[s], *observation.direction, direction * direction + across});
            }
            if (observation.distance)
            {
                const double sigma = sigmas.distanceMm / 1000.0 + sigmas.distancePpm * 1e-6 * length;
                terms.push_back({{int(s), int(o), ObservationKind::Distance}, setup.station, observation.target, -1,
                                 *observation.distance, sigma * sigma + 2.0 * centring * centring});
            }
        }
    }
    return terms;
}

// The observation equations at the current values: directions and distances, then the
// weighted points tied to their known coordinates.
std::vector<ObservationRow> Linearise(const Network& network, const PlanState& state,
                                      const std::vector<PlanTerm>& terms)
{
    std::vector<ObservationRow> rows;
    rows.reserve(terms.size());
    for (const PlanTerm& term : terms)
    {
        const PlanPosition& from = *state.positions[size_t(term.station)];
        const PlanPosition& to = *state.positions[size_t(term.target)];
        const double dn = to.north - from.north;
        const double de = to.east - from.east;
        const double square = dn * dn + de * de;
        const int station = state.unknownOf[size_t(term.station)];
        const int target = state.unknownOf[size_t(term.target)];
        ObservationRow row;
        row.weight = 1.0 / term.variance;
        if (term.ref.kind == ObservationKind::Direction)
        {
            // r = atan2(ΔE, ΔN) − ω
            const double computed = std::atan2(de, dn) - state.orientation[size_t(term.ref.setup)];
            row.misclosure = Wrapped(term.value - computed);
            row.Add(station, de / square);
            row.Add(station < 0 ? -1 : station + 1, -dn / square);
            row.Add(target, -de / square);
            row.Add(target < 0 ? -1 : target + 1, dn / square);
            row.Add(term.orientation, -1.0);
        }
        else
        {
            const double length = std::sqrt(square);
            row.misclosure = term.value - length;
            row.Add(station, -dn / length);
            row.Add(station < 0 ? -1 : station + 1, -de / length);
            row.Add(target, dn / length);
            row.Add(target < 0 ? -1 : target + 1, de / length);
        }
        rows.push_back(row);
    }
    for (size_t p = 0; p < network.points.size(); ++p)
    {
        const NetworkPoint& point = network.points[p];
        const int unknown = state.unknownOf[p];
        if (unknown < 0 || point.PlanDatum() != Datum::Weighted)
            continue;
        const double weight = 1.0 / (point.sigmaPlan * point.sigmaPlan);
        ObservationRow north;
        north.Add(unknown, 1.0);
        north.misclosure = *point.north - state.positions[p]->north;
        north.weight = weight;
        ObservationRow east;
        east.Add(unknown + 1, 1.0);
        east.misclosure = *point.east - state.positions[p]->east;
        east.weight = weight;
        rows.push_back(north);
        rows.push_back(east);
    }
    return rows;
}

QString NameOfUnknown(const Network& network, const PlanState& state, int unknown)
{
    for (size_t p = 0; p < state.unknownOf.size(); ++p)
        if (state.unknownOf[p] >= 0 && (unknown == state.unknownOf[p] || unknown == state.unknownOf[p] + 1))
            return AdjustmentTexts::PointNotDetermined.Arg(network.points[p].name);
    for (size_t s = 0; s < state.orientationOf.size(); ++s)
        if (state.orientationOf[s] == unknown)
            return AdjustmentTexts::OrientationNotDetermined.Arg(network.points[size_t(network.setups[s].station)].name);
    return {};
}

// The network without the points not fixed that one observation alone reaches, and without
// that observation; leaving one out can leave another alone, so until none is.
Network WithoutLonePoints(const Network& network, std::vector<int>& leftOut)
{
    Network kept = network;
    for (;;)
    {
        std::vector<int> equations(kept.points.size(), 0);
        for (const Setup& setup : kept.setups)
            for (const Observation& observation : setup.observations)
                if (observation.target != setup.station)
                {
                    const int count = (observation.direction ? 1 : 0) + (observation.distance ? 1 : 0);
                    equations[size_t(setup.station)] += count;
                    equations[size_t(observation.target)] += count;
                }
        bool removed = false;
        for (Setup& setup : kept.setups)
            for (Observation& observation : setup.observations)
                for (const int point : {observation.target, setup.station})
                    if (equations[size_t(point)] == 1 && kept.points[size_t(point)].PlanDatum() == Datum::Free &&
                        observation.target != setup.station && (observation.direction || observation.distance))
                    {
                        observation.direction.reset();
                        observation.distance.reset();
                        equations[size_t(point)] = 0;
                        leftOut.push_back(point);
                        removed = true;
                    }
        if (!removed)
            return kept;
    }
}

double WeightedSquareSum(const std::vector<ObservationRow>& rows)
{
    double sum = 0.0;
    for (const ObservationRow& row : rows)
        sum += row.weight * row.misclosure * row.misclosure;
    return sum;
}

// What both adjustments report once their last solution stands: every residual with its
// standardized value, the global test over the redundancy, and data snooping.
template <class Result, class Term>
void ReportResiduals(Result& result, const std::vector<ObservationRow>& rows, const std::vector<Term>& terms,
                     const CNormalEquations& normals, int unknowns)
{
    result.unknowns = unknowns;
    result.observations = int(rows.size());
    result.test = TestGlobally(WeightedSquareSum(rows), int(rows.size()) - unknowns);
    for (size_t i = 0; i < terms.size(); ++i)
        result.residuals.push_back(ResidualOf(terms[i].ref, terms[i].value, rows[i].misclosure, terms[i].variance,
                                              normals.AdjustedCofactor(rows[i])));
    result.snooping = SnoopData(result.residuals);
}

bool Stopped(const std::atomic<bool>* stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// A cancelled adjustment gives nothing but its outcome.
template <class Result>
Result Cancelled()
{
    Result result;
    result.outcome = Status::Cancelled;
    return result;
}

// Whether an adjustment can start at all: something observed, and every part of the network
// with its datum. `in` marks the points the observations join.
Outcome CheckStart(const Network& network, const std::vector<char>& in, Outcome (*checkDatum)(const Network&))
{
    if (std::find(in.begin(), in.end(), 1) == in.end())
        return {Status::CannotCompute, AdjustmentTexts::NoObservations.Text()};
    return checkDatum(network);
}
} // namespace

PlanAdjustment AdjustPlan(const Network& given, const std::atomic<bool>* stop, const StepSink& step)
{
    PlanAdjustment result;
    const Network network = WithoutLonePoints(given, result.leftOut);
    const std::vector<char> in = PointsInPlan(network);
    result.outcome = CheckStart(network, in, CheckPlanDatum);
    if (!result.outcome.Succeeded())
        return result;
    PlanState state;
    result.outcome = ApproximatePlan(network, in, state.positions);
    if (!result.outcome.Succeeded())
        return result;
    const std::vector<std::optional<PlanPosition>> approximate = state.positions;

    state.unknownOf.assign(network.points.size(), -1);
    for (size_t p = 0; p < network.points.size(); ++p)
        if (in[p] && network.points[p].PlanDatum() != Datum::Fixed)
        {
            state.unknownOf[p] = state.unknowns;
            state.unknowns += 2;
        }
    state.orientation.assign(network.setups.size(), 0.0);
    state.orientationOf.assign(network.setups.size(), -1);
    for (size_t s = 0; s < network.setups.size(); ++s)
    {
        const Setup& setup = network.setups[s];
        for (const Observation& observation : setup.observations)
            if (observation.direction && observation.target != setup.station)
            {
                state.orientationOf[s] = state.unknowns++;
                state.orientation[s] = ApproximateOrientation(network, setup, state.positions).value_or(0.0);
                break;
            }
    }

    const std::vector<PlanTerm> terms = TermsOf(network, state);
    CNormalEquations normals(state.unknowns);
    std::vector<ObservationRow> rows;
    std::vector<double> corrections;
    bool converged = false;
    while (!converged && result.iterations < MostIterations)
    {
        if (Stopped(stop))
            return Cancelled<PlanAdjustment>();
        if (step)
            step(AdjustmentStep::Iterating, result.iterations + 1);
        rows = Linearise(network, state, terms);
        ++result.iterations;
        if (!normals.Solve(rows, corrections))
        {
            result.outcome = {Status::CannotCompute, NameOfUnknown(network, state, normals.SingularUnknown())};
            return result;
        }
        double largest = 0.0;
        for (size_t p = 0; p < state.unknownOf.size(); ++p)
            if (const int unknown = state.unknownOf[p]; unknown >= 0)
            {
                state.positions[p]->north += corrections[size_t(unknown)];
                state.positions[p]->east += corrections[size_t(unknown + 1)];
                largest = std::max({largest, std::abs(corrections[size_t(unknown)]),
                                    std::abs(corrections[size_t(unknown + 1)])});
            }
        for (size_t s = 0; s < state.orientationOf.size(); ++s)
            if (const int unknown = state.orientationOf[s]; unknown >= 0)
                state.orientation[s] += corrections[size_t(unknown)];
        if (!std::isfinite(largest))
            break;
        converged = largest < ConvergedCorrection;
    }
    if (!converged)
    {
        result.outcome = {Status::CannotCompute, AdjustmentTexts::NotConverged.Counted(result.iterations)};
        return result;
    }

    // The residuals at the adjusted values; the cofactors of the last solution (its point
    // moved less than 0.1 mm since).
    rows = Linearise(network, state, terms);
    if (step && !Stopped(stop))
        step(AdjustmentStep::Precision, result.iterations);
    if (Stopped(stop) || !normals.ComputeCofactors(stop))
        return Cancelled<PlanAdjustment>();
    ReportResiduals(result, rows, terms, normals, state.unknowns);

    for (size_t p = 0; p < network.points.size(); ++p)
    {
        if (!in[p])
            continue;
        AdjustedPoint point;
        point.point = int(p);
        point.north = state.positions[p]->north;
        point.east = state.positions[p]->east;
        point.approximateNorth = approximate[p]->north;
        point.approximateEast = approximate[p]->east;
        point.datum = network.points[p].PlanDatum();
        if (const int unknown = state.unknownOf[p]; unknown >= 0)
        {
            const double qNN = normals.Cofactor(unknown, unknown);
            const double qEE = normals.Cofactor(unknown + 1, unknown + 1);
            point.sigmaNorth = std::sqrt(qNN);
            point.sigmaEast = std::sqrt(qEE);
            point.ellipse = EllipseOf(qNN, normals.Cofactor(unknown, unknown + 1), qEE);
        }
        result.points.push_back(point);
    }
    for (size_t s = 0; s < state.orientationOf.size(); ++s)
        if (const int unknown = state.orientationOf[s]; unknown >= 0)
            result.orientations.push_back(
                {int(s), state.orientation[s], std::sqrt(normals.Cofactor(unknown, unknown))});
    return result;
}

HeightAdjustment AdjustHeights(const Network& network, const std::atomic<bool>* stop)
{
    HeightAdjustment result;
    const std::vector<char> in = PointsInHeights(network);
    result.outcome = CheckStart(network, in, CheckHeightDatum);
    if (!result.outcome.Succeeded())
        return result;
    std::vector<std::optional<double>> heights = ApproximateHeights(network, in);
    std::vector<int> unknownOf(network.points.size(), -1);
    int unknowns = 0;
    for (size_t p = 0; p < network.points.size(); ++p)
    {
        if (!in[p])
            continue;
        if (!heights[p]) // the datum check found a known height in every part
        {
            result.outcome = {Status::CannotCompute, AdjustmentTexts::HeightNotDetermined.Arg(network.points[p].name)};
            return result;
        }
        if (network.points[p].LevelDatum() != Datum::Fixed)
            unknownOf[p] = unknowns++;
    }

    struct HeightTerm
    {
        ObservationRef ref;
        int station, target;
        double value, variance;
    };
    std::vector<HeightTerm> terms;
    for (size_t s = 0; s < network.setups.size(); ++s)
    {
        const Setup& setup = network.setups[s];
        const Sigmas& sigmas = network.SigmasOf(setup);
        const double angle = sigmas.directionSeconds / SecondsPerRadian;
        const double heightSigma = sigmas.heightMm / 1000.0;
        for (size_t o = 0; o < setup.observations.size(); ++o)
        {
            const Observation& observation = setup.observations[o];
            if (!observation.heightDifference || observation.target == setup.station)
                continue;
            // Δh = SD·cos ζ + IH − PH: the distance's error along the line of sight, the zenith
            // angle's across it, and measuring both heights.
            const double length = sigmas.distanceMm / 1000.0 + sigmas.distancePpm * 1e-6 * observation.slopeDistance;
            const double along = std::cos(observation.zenith) * length;
            const double across = observation.slopeDistance * std::sin(observation.zenith) * angle;
            double variance = along * along + across * across + 2.0 * heightSigma * heightSigma;
            if (variance <= 0.0)
                variance = 1e-6;
            terms.push_back({{int(s), int(o), ObservationKind::HeightDifference}, setup.station, observation.target,
                             *observation.heightDifference, variance});
        }
    }
    std::vector<ObservationRow> rows;
    const auto linearise = [&] {
        rows.clear();
        for (const HeightTerm& term : terms)
        {
            ObservationRow row;
            row.Add(unknownOf[size_t(term.target)], 1.0);
            row.Add(unknownOf[size_t(term.station)], -1.0);
            row.misclosure = term.value - (*heights[size_t(term.target)] - *heights[size_t(term.station)]);
            row.weight = 1.0 / term.variance;
            rows.push_back(row);
        }
        for (size_t p = 0; p < network.points.size(); ++p)
        {
            const NetworkPoint& point = network.points[p];
            if (unknownOf[p] < 0 || point.LevelDatum() != Datum::Weighted)
                continue;
            ObservationRow row;
            row.Add(unknownOf[p], 1.0);
            row.misclosure = *point.height - *heights[p];
            row.weight = 1.0 / (point.sigmaHeight * point.sigmaHeight);
            rows.push_back(row);
        }
    };
    linearise();
    if (Stopped(stop))
        return Cancelled<HeightAdjustment>();
    CNormalEquations normals(unknowns);
    std::vector<double> corrections;
    if (!normals.Solve(rows, corrections))
    {
        for (size_t p = 0; p < unknownOf.size(); ++p)
            if (unknownOf[p] == normals.SingularUnknown())
                result.outcome = {Status::CannotCompute, AdjustmentTexts::HeightNotDetermined.Arg(network.points[p].name)};
        return result;
    }
    for (size_t p = 0; p < unknownOf.size(); ++p)
        if (unknownOf[p] >= 0)
            *heights[p] += corrections[size_t(unknownOf[p])];
    linearise();
    if (Stopped(stop) || !normals.ComputeCofactors(stop))
        return Cancelled<HeightAdjustment>();
    ReportResiduals(result, rows, terms, normals, unknowns);
    for (size_t p = 0; p < network.points.size(); ++p)
    {
        if (!in[p])
            continue;
        AdjustedHeight height;
        height.point = int(p);
        height.height = *heights[p];
        height.datum = network.points[p].LevelDatum();
        if (unknownOf[p] >= 0)
            height.sigma = std::sqrt(normals.Cofactor(unknownOf[p], unknownOf[p]));
        result.heights.push_back(height);
    }
    return result;
}
} // namespace Adjustment
