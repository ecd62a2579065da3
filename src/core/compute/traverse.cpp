#include "core/compute/traverse.h"

#include "core/compute/angles.h"
#include "core/compute/compute_texts.h"

#include <QHash>

#include <cmath>

namespace
{
using KnownByName = QHash<QString, const KnownPoint*>;

// The mean of several readings of one direction, taken about the first so that readings on
// both sides of north mean correctly.
std::optional<double> DirectionTo(const Setup& setup, const QString& target, int& faces)
{
    int count = 0;
    double sum = 0, first = 0;
    for (const Observation& observation : setup.observations)
    {
        if (observation.target != target)
            continue;
        if (count == 0)
            first = observation.ha;
        sum += Angles::Signed(observation.ha - first);
        faces = std::max(faces, observation.faces);
        ++count;
    }
    if (count == 0)
        return std::nullopt;
    return Angles::Normalized(first + sum / count);
}

// The mean horizontal distance measured from any setup at `from` to `to`.
std::optional<double> HorizontalDistance(const QList<Setup>& setups, const QString& from, const QString& to)
{
    int count = 0;
    double sum = 0;
    for (const Setup& setup : setups)
    {
        if (setup.station != from)
            continue;
        for (const Observation& observation : setup.observations)
        {
            if (observation.target == to && observation.sd)
            {
                sum += *observation.sd * std::sin(observation.va);
                ++count;
            }
        }
    }
    return count ? std::optional(sum / count) : std::nullopt;
}

// The angle at `at` from `back` to `ahead`, from the first setup there that points at both.
std::optional<TraverseAngle> AngleAt(const QList<Setup>& setups, const QString& at, const QString& back,
                                     const QString& ahead)
{
    for (const Setup& setup : setups)
    {
        if (setup.station != at)
            continue;
        int faces = 1;
        const auto toBack = DirectionTo(setup, back, faces);
        const auto toAhead = DirectionTo(setup, ahead, faces);
        if (toBack && toAhead)
        {
            TraverseAngle angle;
            angle.at = at;
            angle.back = back;
            angle.ahead = ahead;
            angle.observed = Angles::Normalized(*toAhead - *toBack);
            angle.faces = faces;
            return angle;
        }
    }
    return std::nullopt;
}

double AzimuthBetween(const KnownPoint& from, const KnownPoint& to)
{
    return Angles::Azimuth(from.coordinates.n, from.coordinates.e, to.coordinates.n, to.coordinates.e);
}

TraverseResult Failed(TraverseResult result, const QString& why)
{
    result.outcome = Outcome(Status::CannotCompute, why);
    return result;
}
} // namespace

TraverseResult ComputeTraverse(const QList<Setup>& setups, const QList<KnownPoint>& known, const QStringList& route)
{
    TraverseResult result;
    result.route = route;
    KnownByName byName;
    for (const KnownPoint& point : known)
        byName.insert(point.name, &point);
    const qsizetype count = route.size();
    if (count < 3)
        return Failed(result, ComputeTexts::RouteTooShort);
    for (int i = 0; i < 2; ++i)
        if (!byName.contains(route.at(i)))
            return Failed(result, ComputeTexts::NotKnown.Arg(route.at(i)));

    // Which shape the names make, and the chain of stations that carry coordinates.
    const bool endsKnown = count >= 4 && byName.contains(route.at(count - 1)) && byName.contains(route.at(count - 2));
    const bool closed = endsKnown && count >= 5 && route.at(count - 1) == route.at(0) && route.at(count - 2) == route.at(1);
    result.shape = closed ? TraverseShape::Closed : endsKnown ? TraverseShape::Attached : TraverseShape::Open;
    // Stations B … C (attached), B … Sn, B (closed: B closes the chain) or B … Sn (open).
    const QStringList chain = result.shape == TraverseShape::Open ? route.mid(1) : route.mid(1, count - 2);
    if (chain.size() < 2)
        return Failed(result, ComputeTexts::RouteTooShort);

    const KnownPoint& a = *byName.value(route.at(0));
    const KnownPoint& b = *byName.value(route.at(1));
    result.startAzimuth = AzimuthBetween(a, b);

    // The angles, each from the station behind to the one ahead.
    const qsizetype angleStations = result.shape == TraverseShape::Open ? chain.size() - 1 : chain.size();
    for (qsizetype i = 0; i < angleStations; ++i)
    {
        const QString& at = chain.at(i);
        const QString& back = i == 0 ? route.at(0) : chain.at(i - 1);
        QString ahead = i + 1 < chain.size() ? chain.at(i + 1) : route.at(count - 1);
        // Back at B, a loop's own angle runs from Sn to S1; the one from A to S1 at its start
        // only ties the loop to its orientation.
        if (result.shape == TraverseShape::Closed && i + 1 == chain.size())
            ahead = chain.at(1);
        const auto angle = AngleAt(setups, at, back, ahead);
        if (!angle)
            return Failed(result, ComputeTexts::NoSetupPointing.Arg(at, back, ahead));
        result.angles << *angle;
    }
    // The legs along the chain.
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
    {
        TraverseLeg leg;
        leg.from = chain.at(i);
        leg.to = chain.at(i + 1);
        leg.forwardHd = HorizontalDistance(setups, leg.from, leg.to);
        leg.backHd = HorizontalDistance(setups, leg.to, leg.from);
        if (!leg.forwardHd && !leg.backHd)
            return Failed(result, ComputeTexts::NoDistance.Arg(leg.from, leg.to));
        leg.distance = leg.forwardHd && leg.backHd ? (*leg.forwardHd + *leg.backHd) / 2
                                                   : leg.forwardHd.value_or(leg.backHd.value_or(0));
        result.length += leg.distance;
        result.legs << leg;
    }

    // The angular misclosure: the end orientation carried through the observed angles against
    // the known one. For a loop the first angle (A to S1 at B) fixes the start and is not corrected.
    const qsizetype firstCorrected = result.shape == TraverseShape::Closed ? 1 : 0;
    if (result.shape != TraverseShape::Open)
    {
        double carried = result.startAzimuth;
        for (const TraverseAngle& angle : result.angles)
            carried = Angles::Normalized(carried + Angles::Pi + angle.observed);
        if (result.shape == TraverseShape::Attached)
            result.endAzimuth = AzimuthBetween(*byName.value(route.at(count - 2)), *byName.value(route.at(count - 1)));
        else
            result.endAzimuth = Angles::Normalized(result.startAzimuth + Angles::Pi + result.angles.first().observed);
        result.endAzimuthCarried = carried;
        result.angularMisclosure = Angles::Signed(carried - *result.endAzimuth);
        result.angleCount = int(result.angles.size() - firstCorrected);
        const double share = -*result.angularMisclosure / result.angleCount;
        for (qsizetype i = firstCorrected; i < result.angles.size(); ++i)
            result.angles[i].correction = share;
    }
    for (TraverseAngle& angle : result.angles)
        angle.adjusted = Angles::Normalized(angle.observed + angle.correction);

    // Azimuths and increments of the legs from the adjusted angles.
    double azimuth = result.startAzimuth;
    double sumN = 0, sumE = 0;
    for (qsizetype i = 0; i < result.legs.size(); ++i)
    {
        azimuth = Angles::Normalized(azimuth + Angles::Pi + result.angles.at(i).adjusted);
        TraverseLeg& leg = result.legs[i];
        leg.azimuth = azimuth;
        leg.dn = leg.distance * std::cos(azimuth);
        leg.de = leg.distance * std::sin(azimuth);
        sumN += leg.dn;
        sumE += leg.de;
    }

    // The coordinate misclosure, shared in proportion to the legs' lengths.
    if (result.shape != TraverseShape::Open)
    {
        const KnownPoint& end = result.shape == TraverseShape::Closed ? b : *byName.value(route.at(count - 2));
        result.fx = b.coordinates.n + sumN - end.coordinates.n;
        result.fy = b.coordinates.e + sumE - end.coordinates.e;
        result.f = std::hypot(result.fx, result.fy);
        if (result.f > 0)
            result.relativeDenominator = result.length / result.f;
        for (TraverseLeg& leg : result.legs)
        {
            leg.vn = -result.fx * leg.distance / result.length;
            leg.ve = -result.fy * leg.distance / result.length;
        }
    }

    double n = b.coordinates.n, e = b.coordinates.e;
    result.points << TraversePoint{b.name, n, e, true};
    for (qsizetype i = 0; i < result.legs.size(); ++i)
    {
        const TraverseLeg& leg = result.legs.at(i);
        n += leg.dn + leg.vn;
        e += leg.de + leg.ve;
        const bool last = i + 1 == result.legs.size();
        if (last && result.shape == TraverseShape::Closed)
            break; // back at B
        result.points << TraversePoint{leg.to, n, e, last && result.shape == TraverseShape::Attached};
    }
    return result;
}

GradeCheck CheckGrade(const TraverseResult& result, const TraverseGrade& grade)
{
    GradeCheck check;
    check.grade = grade.name;
    check.angleLimitSeconds = grade.angleSecondsPerRoot * std::sqrt(double(std::max(result.angleCount, 1)));
    if (!result.angularMisclosure)
    {
        check.angleMet = check.relativeMet = false;
        return check;
    }
    check.angleMet = std::abs(Angles::ToSeconds(*result.angularMisclosure)) <= check.angleLimitSeconds;
    check.relativeMet = !result.relativeDenominator || *result.relativeDenominator >= grade.relativeDenominator;
    const int stations = int(result.points.size());
    check.stationsMet = grade.maxStations <= 0 || stations <= grade.maxStations;
    check.lengthMet = grade.maxLengthKm <= 0 || result.length <= grade.maxLengthKm * 1000;
    return check;
}

std::optional<qsizetype> ChooseGrade(const TraverseResult& result, const QList<TraverseGrade>& grades, const QString& name)
{
    if (!name.isEmpty())
    {
        for (qsizetype i = 0; i < grades.size(); ++i)
            if (grades.at(i).name == name)
                return i;
        return std::nullopt;
    }
    for (qsizetype i = 0; i < grades.size(); ++i)
        if (CheckGrade(result, grades.at(i)).Passed())
            return i;
    return grades.isEmpty() ? std::nullopt : std::optional(grades.size() - 1);
}
