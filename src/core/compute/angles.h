#pragma once

#include <cmath>
#include <numbers>

// Angle units and the one normalisation every computation uses.
namespace Angles
{
constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double SecondsPerRadian = 180.0 * 3600.0 / std::numbers::pi;

constexpr double FromDegrees(double degrees) { return degrees * std::numbers::pi / 180.0; }
constexpr double ToDegrees(double radians) { return radians * 180.0 / std::numbers::pi; }
constexpr double FromSeconds(double seconds) { return seconds / SecondsPerRadian; }
constexpr double ToSeconds(double radians) { return radians * SecondsPerRadian; }

// Into [0, 2π).
inline double Normalized(double radians)
{
    double a = std::fmod(radians, TwoPi);
    if (a < 0)
        a += TwoPi;
    return a >= TwoPi ? 0.0 : a;
}

// Into [−π, π): the signed difference of two directions.
inline double Signed(double radians)
{
    double a = Normalized(radians);
    return a >= Pi ? a - TwoPi : a;
}

// The grid azimuth from one point to another, [0, 2π); north 0, east π/2.
inline double Azimuth(double fromN, double fromE, double toN, double toE)
{
    return Normalized(std::atan2(toE - fromE, toN - fromN));
}
} // namespace Angles
