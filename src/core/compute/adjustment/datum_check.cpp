#include "core/compute/adjustment/datum_check.h"

#include "core/compute/adjustment/adjustment_texts.h"

#include <numeric>

namespace Adjustment
{
namespace
{
// Connected parts by union-find: each point's part is its root.
class CParts
{
public:
    explicit CParts(size_t points) : m_parent(points) { std::iota(m_parent.begin(), m_parent.end(), 0); }
    int Root(int point)
    {
        while (m_parent[size_t(point)] != point)
            point = m_parent[size_t(point)] = m_parent[size_t(m_parent[size_t(point)])];
        return point;
    }
    void Join(int a, int b) { m_parent[size_t(Root(a))] = Root(b); }

private:
    std::vector<int> m_parent;
};

bool JoinsPlan(const Observation& observation, int station)
{
    return observation.target != station && (observation.direction || observation.distance);
}

bool JoinsHeights(const Observation& observation, int station)
{
    return observation.target != station && observation.heightDifference.has_value();
}

template <typename Joins>
CParts PartsOf(const Network& network, Joins joins)
{
    CParts parts(network.points.size());
    for (const Setup& setup : network.setups)
        for (const Observation& observation : setup.observations)
            if (joins(observation, setup.station))
                parts.Join(setup.station, observation.target);
    return parts;
}

template <typename Joins>
std::vector<char> PointsJoined(const Network& network, Joins joins)
{
    std::vector<char> in(network.points.size(), 0);
    for (const Setup& setup : network.setups)
        for (const Observation& observation : setup.observations)
            if (joins(observation, setup.station))
                in[size_t(setup.station)] = in[size_t(observation.target)] = 1;
    return in;
}

// The message for the first part that lacks its datum: `known` counts a part's known points,
// `needed` how many it must have, `unknowns` whether it has anything to determine.
Outcome FirstPartLacking(const Network& network, const std::vector<char>& in, CParts& parts,
                         const std::vector<int>& known, const std::vector<char>& unknowns, bool plan)
{
    std::vector<int> roots;
    for (size_t p = 0; p < in.size(); ++p)
        if (in[p] && parts.Root(int(p)) == int(p))
            roots.push_back(int(p));
    for (size_t p = 0; p < in.size(); ++p)
    {
        if (!in[p])
            continue;
        const int root = parts.Root(int(p));
        if (!unknowns[size_t(root)] || known[size_t(root)] >= (plan ? 2 : 1))
            continue;
        QString problem = !plan                       ? AdjustmentTexts::NoFixedHeight.Text()
                          : known[size_t(root)] == 0 ? AdjustmentTexts::NoFixedPoint.Text()
                                                     : AdjustmentTexts::NoFixedOrientation.Text();
        if (roots.size() > 1)
            problem = AdjustmentTexts::InPart.Arg(problem, network.points[p].name);
        return {Status::CannotCompute, problem};
    }
    return Status::Done;
}

// Counts each part's known points and whether it has anything to determine, for the plan or
// for the heights: the two differ only in what joins points and which datum a point holds.
template <typename Joins, typename DatumOf>
Outcome CheckDatum(const Network& network, Joins joins, DatumOf datumOf, bool plan)
{
    const std::vector<char> in = PointsJoined(network, joins);
    CParts parts = PartsOf(network, joins);
    std::vector<int> known(in.size(), 0);
    std::vector<char> unknowns(in.size(), 0);
    for (size_t p = 0; p < in.size(); ++p)
        if (in[p])
        {
            const int root = parts.Root(int(p));
            if ((network.points[p].*datumOf)() == Datum::Free)
                unknowns[size_t(root)] = 1;
            else
                ++known[size_t(root)];
        }
    return FirstPartLacking(network, in, parts, known, unknowns, plan);
}
} // namespace

std::vector<char> PointsInPlan(const Network& network)
{
    return PointsJoined(network, JoinsPlan);
}

std::vector<char> PointsInHeights(const Network& network)
{
    return PointsJoined(network, JoinsHeights);
}

Outcome CheckPlanDatum(const Network& network)
{
    // With every point known, the orientations are found from any direction between them.
    return CheckDatum(network, JoinsPlan, &NetworkPoint::PlanDatum, true);
}

Outcome CheckHeightDatum(const Network& network)
{
    return CheckDatum(network, JoinsHeights, &NetworkPoint::LevelDatum, false);
}
} // namespace Adjustment
