// Adjusts a network of 10,000 points (a 100 × 100 grid, 100 m apart) and 60,000 observations:
// every point a setup that reads direction and distance to three neighbours (east, north and
// north-east inside the grid; random errors of 2″ and 2 mm), the four corners known, every
// other point with approximate coordinates up to 5 cm off (as the polar computation from the
// job's own station coordinates gives them). Reports the time of each stage and the peak resident memory,
// then adjusts once more with a stop raised half way and reports how soon after it the adjustment ended.
//   build/bench/bench_adjustment [side]
#include "core/compute/adjustment/plan_adjustment.h"

#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <sys/resource.h>
#include <thread>

using namespace Adjustment;

int main(int argc, char* argv[])
{
    const int side = argc > 1 ? std::atoi(argv[1]) : 100;
    const double spacing = 100.0;
    const double rho = 180.0 * 3600.0 / std::numbers::pi;
    std::mt19937 random(1);
    std::normal_distribution<double> directionError(0.0, 2.0 / rho);
    std::normal_distribution<double> distanceError(0.0, 0.002);
    std::uniform_real_distribution<double> anyOrientation(0.0, 2 * std::numbers::pi);
    std::uniform_real_distribution<double> approximation(-0.05, 0.05);

    QElapsedTimer timer;
    timer.start();
    Network network;
    const auto at = [&](int row, int column) { return row * side + column; };
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
        {
            NetworkPoint point;
            point.name = QStringLiteral("P%1").arg(at(row, column));
            const bool corner = (row == 0 || row == side - 1) && (column == 0 || column == side - 1);
            if (corner)
            {
                point.north = row * spacing;
                point.east = column * spacing;
                point.plan = Datum::Fixed;
                point.height = 50.0;
                point.level = Datum::Fixed;
            }
            else
            {
                point.north = row * spacing + approximation(random);
                point.east = column * spacing + approximation(random);
            }
            network.points.push_back(point);
        }
    size_t observations = 0;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
        {
            Setup setup;
            setup.station = at(row, column);
            const double orientation = anyOrientation(random);
            // East, north and north-east where there are; on the edges the nearest others.
            for (const auto& [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{1, 1}, std::pair{-1, 1},
                                         std::pair{-1, 0}, std::pair{0, -1}, std::pair{1, -1}, std::pair{-1, -1}})
            {
                if (row + dr < 0 || row + dr >= side || column + dc < 0 || column + dc >= side)
                    continue;
                if (setup.observations.size() == 3)
                    break;
                Observation observation;
                observation.target = at(row + dr, column + dc);
                const double dn = dr * spacing, de = dc * spacing;
                observation.direction = std::atan2(de, dn) - orientation + directionError(random);
                observation.distance = std::hypot(dn, de) + distanceError(random);
                observation.heightDifference = distanceError(random);
                observation.slopeDistance = *observation.distance;
                observation.zenith = std::numbers::pi / 2;
                setup.observations.push_back(observation);
                observations += 2;
            }
            network.setups.push_back(setup);
        }
    const double built = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    const PlanAdjustment plan = AdjustPlan(network);
    const double planTime = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const HeightAdjustment heights = AdjustHeights(network);
    const double heightTime = double(timer.nsecsElapsed()) / 1e6;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("network: %zu points, %zu plan observations (+%zu height differences), built in %.0f ms\n",
                network.points.size(), observations, observations / 2, built);
    if (!plan.outcome.Succeeded() || !heights.outcome.Succeeded())
    {
        std::printf("failed: %s %s\n", qPrintable(plan.outcome.detail), qPrintable(heights.outcome.detail));
        return 1;
    }
    std::printf("plan adjustment: %.0f ms, %d iterations, %d unknowns, sigma0 %.3f (dof %d), largest w %.2f\n",
                planTime, plan.iterations, plan.unknowns, plan.test.sigma0.value_or(0.0), plan.test.dof,
                plan.snooping.largest);
    std::printf("height adjustment: %.0f ms, %d unknowns, sigma0 %.3f (dof %d)\n", heightTime, heights.unknowns,
                heights.test.sigma0.value_or(0.0), heights.test.dof);
    std::printf("peak resident memory: %.1f MiB\n", double(usage.ru_maxrss) / 1024.0);

    // A cancel half way: the window's worker raises the flag, the adjustment looks at it
    // between its steps.
    std::atomic<bool> stop{false};
    using Clock = std::chrono::steady_clock;
    Clock::time_point returned;
    Status ended = Status::Done;
    std::thread adjusting([&] {
        ended = AdjustPlan(network, &stop).outcome.status;
        returned = Clock::now();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(qint64(planTime / 2)));
    const Clock::time_point raised = Clock::now();
    stop = true;
    adjusting.join();
    std::printf("cancelled at %.0f ms: ended %s %.0f ms after the stop\n", planTime / 2,
                ended == Status::Cancelled ? "cancelled" : "anyway",
                std::chrono::duration<double, std::milli>(returned - raised).count());
    return 0;
}
