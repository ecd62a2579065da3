#pragma once

#include <QString>

#include <optional>
#include <vector>

// The input of a least-squares adjustment, independent of where the observations came from:
// points with their known or approximate coordinates, and setups that observed them.
// Angles are radians, lengths metres.
namespace Adjustment
{
// How a point enters the datum, separately for its plan position and its height.
enum class Datum
{
    Free,     // an unknown of the adjustment
    Fixed,    // known and held exactly
    Weighted, // known with a standard deviation: an unknown tied to its known value
};

// A weighted datum whose σ is not above 0 is held fixed.
inline Datum Held(Datum datum, double sigma)
{
    return datum == Datum::Weighted && !(sigma > 0.0) ? Datum::Fixed : datum;
}

struct NetworkPoint
{
    QString name;
    // Plan position: known (Fixed, Weighted) or approximate (Free; may be absent, then it is
    // computed from the observations).
    std::optional<double> north;
    std::optional<double> east;
    std::optional<double> height;
    Datum plan = Datum::Free;
    Datum level = Datum::Free;
    double sigmaPlan = 0.0;   // Weighted: the standard deviation of N and of E (m)
    double sigmaHeight = 0.0; // Weighted: the standard deviation of the height (m)

    bool HasPlan() const { return north && east; }
    // A known point without its known value can only be an unknown; a weight without a
    // standard deviation above 0 would be infinite, which is what holding it fixed means.
    Datum PlanDatum() const { return !HasPlan() ? Datum::Free : Held(plan, sigmaPlan); }
    Datum LevelDatum() const { return !height ? Datum::Free : Held(level, sigmaHeight); }
};

// A priori standard deviations of an instrument and its setups.
//
// Centring: the instrument over its station and each target over its point are both off by σc
// in any direction. Across a sight of length D the two errors together move a direction by
// σc·√2/D, so a direction's variance gains 2σc²/D² (rad²); along the sight they lengthen or
// shorten a distance by σc·√2, so its variance gains 2σc². The model treats the two centrings
// as independent per observation (the same setup's common centring error is not correlated
// between its sights) and leaves the heights alone.
struct Sigmas
{
    double directionSeconds = 2.0; // a direction (also a zenith angle)
    double distanceMm = 2.0;       // a in a + b·ppm
    double distancePpm = 2.0;      // b
    double centringMm = 0.0;       // centring of the instrument and of each target
    double heightMm = 1.0;         // measuring the instrument or the target height

    bool operator==(const Sigmas&) const = default;
};

// What a setup read at one target; a value that was not observed is absent.
struct Observation
{
    int target = -1;                         // index into Network::points
    std::optional<double> direction;         // horizontal direction as read (HA), radians
    std::optional<double> distance;          // horizontal distance, reduced (m)
    std::optional<double> heightDifference;  // target height − station height (m)
    double slopeDistance = 0.0;              // for the height difference's standard deviation
    double zenith = 0.0;
};

// One setup of the instrument: its directions share one orientation unknown.
struct Setup
{
    int station = -1; // index into Network::points
    std::vector<Observation> observations;
    std::optional<Sigmas> sigmas; // this setup's own values instead of the network's
};

struct Network
{
    std::vector<NetworkPoint> points;
    std::vector<Setup> setups;
    Sigmas sigmas;

    const Sigmas& SigmasOf(const Setup& setup) const { return setup.sigmas ? *setup.sigmas : sigmas; }
};

// What an observation is, for naming it and for leaving it out of a second run.
enum class ObservationKind
{
    Direction,
    Distance,
    HeightDifference,
};

struct ObservationRef
{
    int setup = -1;
    int observation = -1;
    ObservationKind kind = ObservationKind::Direction;

    bool operator==(const ObservationRef&) const = default;
};

// The same network without one observation: the re-run that data snooping offers.
Network WithoutObservation(Network network, const ObservationRef& left);
} // namespace Adjustment
