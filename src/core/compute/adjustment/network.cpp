#include "core/compute/adjustment/network.h"

namespace Adjustment
{
Network WithoutObservation(Network network, const ObservationRef& left)
{
    if (left.setup < 0 || size_t(left.setup) >= network.setups.size())
        return network;
    std::vector<Observation>& observations = network.setups[size_t(left.setup)].observations;
    if (left.observation < 0 || size_t(left.observation) >= observations.size())
        return network;
    Observation& observation = observations[size_t(left.observation)];
    switch (left.kind)
    {
    case ObservationKind::Direction: observation.direction.reset(); break;
    case ObservationKind::Distance: observation.distance.reset(); break;
    case ObservationKind::HeightDifference: observation.heightDifference.reset(); break;
    }
    return network;
}
} // namespace Adjustment
