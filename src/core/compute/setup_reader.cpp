#include "core/compute/setup_reader.h"

#include "core/compute/angles.h"

#include <QSet>

#include <cmath>

namespace
{
std::optional<PointNEZ> CoordinatesOf(const JobRow& row)
{
    if (!row.n || !row.e)
        return std::nullopt;
    return PointNEZ{*row.n, *row.e, row.z};
}

// A pointing as read, before faces are sorted out.
struct Pointing
{
    Observation observation;
    bool right = false;
    int partner = -1;
};

bool OnFaceRight(double va)
{
    return va > Angles::Pi;
}

FacePair PairOf(const Observation& left, const Observation& right)
{
    FacePair pair;
    pair.target = left.target;
    pair.leftRow = left.row;
    pair.rightRow = right.row;
    pair.haLeft = left.ha;
    pair.haRight = right.ha;
    pair.vaLeft = left.va;
    pair.vaRight = right.va;
    const double c2 = Angles::Signed(left.ha - (right.ha - Angles::Pi));
    const double index = (left.va + right.va - Angles::TwoPi) / 2;
    pair.ha = Angles::Normalized(left.ha - c2 / 2);
    pair.va = left.va - index;
    pair.c2Seconds = Angles::ToSeconds(c2);
    pair.indexSeconds = Angles::ToSeconds(index);
    return pair;
}

bool Matches(const Observation& left, const Observation& right, const FaceTolerance& tolerance)
{
    return left.target == right.target
           && std::abs(Angles::Signed(left.ha - (right.ha - Angles::Pi))) <= tolerance.horizontal
           && std::abs(left.va + right.va - Angles::TwoPi) <= tolerance.vertical;
}

// Pairs each face-right pointing with the nearest unpaired face-left one, looking back first.
void PairFaces(QList<Pointing>& pointings, const FaceTolerance& tolerance)
{
    const auto tryPair = [&](qsizetype r, qsizetype l) {
        Pointing& left = pointings[l];
        if (left.right || left.partner >= 0 || !Matches(left.observation, pointings[r].observation, tolerance))
            return false;
        left.partner = int(r);
        pointings[r].partner = int(l);
        return true;
    };
    for (qsizetype r = 0; r < pointings.size(); ++r)
    {
        if (!pointings[r].right)
            continue;
        bool paired = false;
        for (qsizetype l = r - 1; l >= 0 && !paired; --l)
            paired = tryPair(r, l);
        for (qsizetype l = r + 1; l < pointings.size() && !paired; ++l)
            paired = tryPair(r, l);
    }
}

void FinishSetup(Setup& setup, QList<Pointing>& pointings, const FaceTolerance& tolerance)
{
    PairFaces(pointings, tolerance);
    for (const Pointing& pointing : pointings)
    {
        Observation observation = pointing.observation;
        if (pointing.partner < 0)
        {
            if (pointing.right)
            {
                observation.ha = Angles::Normalized(observation.ha - Angles::Pi);
                observation.va = Angles::TwoPi - observation.va;
            }
            setup.observations << observation;
            continue;
        }
        if (pointing.right)
            continue; // meaned into its face-left partner
        const Observation& right = pointings[pointing.partner].observation;
        const FacePair pair = PairOf(observation, right);
        setup.pairs << pair;
        observation.ha = pair.ha;
        observation.va = pair.va;
        observation.faces = 2;
        if (observation.sd && right.sd)
            observation.sd = (*observation.sd + *right.sd) / 2;
        else if (!observation.sd)
            observation.sd = right.sd;
        if (!observation.instrument)
            observation.instrument = right.instrument;
        setup.observations << observation;
    }
    pointings.clear();
}
} // namespace

QList<Setup> ReadSetups(const QList<JobRow>& rows, const FaceTolerance& tolerance)
{
    QList<Setup> setups;
    QList<Pointing> pointings;
    std::optional<Setup> current;
    bool lastWasDist = false;
    for (const JobRow& row : rows)
    {
        const bool dist = row.kind == JobRow::Kind::Dist;
        switch (row.kind)
        {
        case JobRow::Kind::Station:
            if (current)
            {
                FinishSetup(*current, pointings, tolerance);
                setups << std::move(*current);
            }
            current = Setup{};
            current->station = row.name;
            current->code = row.code;
            current->coordinates = CoordinatesOf(row);
            current->ih = row.ih.value_or(0);
            current->row = row.id;
            break;
        case JobRow::Kind::BacksightCoor:
        case JobRow::Kind::BacksightAngle:
            if (current)
            {
                Backsight backsight;
                backsight.name = row.name;
                backsight.coordinates = CoordinatesOf(row);
                backsight.azimuth = Angles::Normalized(row.pa.value_or(0));
                backsight.ph = row.ph.value_or(0);
                backsight.hd = row.hd;
                backsight.byAngle = row.kind == JobRow::Kind::BacksightAngle;
                backsight.row = row.id;
                current->backsight = backsight;
            }
            break;
        case JobRow::Kind::Angle:
        case JobRow::Kind::Dist:
            if (current && row.ha && row.va)
            {
                Pointing pointing;
                Observation& observation = pointing.observation;
                observation.target = row.name;
                observation.code = row.code;
                observation.ha = Angles::Normalized(*row.ha);
                observation.va = *row.va;
                if (dist)
                {
                    observation.sd = row.sd;
                    observation.instrument = CoordinatesOf(row);
                }
                observation.ph = row.ph.value_or(0);
                observation.row = row.id;
                pointing.right = OnFaceRight(observation.va);
                pointings << pointing;
            }
            break;
        case JobRow::Kind::MeasureCoor:
            if (lastWasDist && !pointings.isEmpty() && pointings.last().observation.target == row.name)
                pointings.last().observation.instrument = CoordinatesOf(row);
            break;
        case JobRow::Kind::Other:
            break;
        }
        lastWasDist = dist && current && !pointings.isEmpty() && pointings.last().observation.row == row.id;
    }
    if (current)
    {
        FinishSetup(*current, pointings, tolerance);
        setups << std::move(*current);
    }
    return setups;
}

QList<KnownPoint> ControlOfJob(const QList<Setup>& setups)
{
    QList<KnownPoint> points;
    QSet<QString> seen;
    const auto add = [&](const QString& name, const std::optional<PointNEZ>& coordinates, const QString& code) {
        if (name.isEmpty() || !coordinates || seen.contains(name))
            return;
        seen.insert(name);
        points << KnownPoint{name, *coordinates, code};
    };
    for (const Setup& setup : setups)
    {
        add(setup.station, setup.coordinates, setup.code);
        if (setup.backsight)
            add(setup.backsight->name, setup.backsight->coordinates, {});
    }
    return points;
}
