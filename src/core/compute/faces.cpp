#include "core/compute/faces.h"

#include <algorithm>

QList<FaceCheck> CheckFaces(const QList<Setup>& setups, double c2SpreadLimitSeconds)
{
    QList<FaceCheck> checks;
    for (const Setup& setup : setups)
    {
        if (setup.pairs.isEmpty())
            continue;
        FaceCheck check;
        check.station = setup.station;
        check.row = setup.row;
        check.pairs = setup.pairs;
        const auto [low, high] = std::minmax_element(setup.pairs.cbegin(), setup.pairs.cend(),
                                                     [](const FacePair& a, const FacePair& b) { return a.c2Seconds < b.c2Seconds; });
        check.c2SpreadSeconds = high->c2Seconds - low->c2Seconds;
        check.withinLimit = check.c2SpreadSeconds <= c2SpreadLimitSeconds;
        checks << check;
    }
    return checks;
}
