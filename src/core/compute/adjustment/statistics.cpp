#include "core/compute/adjustment/statistics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Adjustment
{
namespace
{
// The regularised lower incomplete gamma function P(a, x): its series below a + 1, Lentz's
// continued fraction for the complement above (both converge fast there).
double LowerGammaRatio(double a, double x)
{
    if (x <= 0.0)
        return 0.0;
    const double logFront = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1.0)
    {
        double term = 1.0 / a;
        double sum = term;
        for (int n = 1; n < 1000; ++n)
        {
            term *= x / (a + n);
            sum += term;
            if (std::abs(term) < std::abs(sum) * 1e-15)
                break;
        }
        return sum * std::exp(logFront);
    }
    const double tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double dd = 1.0 / b;
    double h = dd;
    for (int i = 1; i < 1000; ++i)
    {
        const double an = -i * (i - a);
        b += 2.0;
        dd = an * dd + b;
        if (std::abs(dd) < tiny)
            dd = tiny;
        c = b + an / c;
        if (std::abs(c) < tiny)
            c = tiny;
        dd = 1.0 / dd;
        const double step = dd * c;
        h *= step;
        if (std::abs(step - 1.0) < 1e-15)
            break;
    }
    return 1.0 - std::exp(logFront) * h;
}
} // namespace

double ChiSquareQuantile(double probability, int dof)
{
    // P(dof/2, x/2) rises monotonically from 0 to 1: bisection on a bracket that surely holds it.
    const double a = dof / 2.0;
    double low = 0.0;
    double high = dof + 20.0 * std::sqrt(2.0 * dof) + 50.0;
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i)
    {
        const double middle = (low + high) / 2.0;
        (LowerGammaRatio(a, middle / 2.0) < probability ? low : high) = middle;
    }
    return (low + high) / 2.0;
}

GlobalTest TestGlobally(double weightedSquareSum, int dof)
{
    GlobalTest test;
    test.weightedSquareSum = weightedSquareSum;
    test.dof = dof;
    if (dof <= 0)
        return test;
    test.made = true;
    test.sigma0 = std::sqrt(weightedSquareSum / dof);
    test.lowerBound = ChiSquareQuantile(0.025, dof);
    test.upperBound = ChiSquareQuantile(0.975, dof);
    test.passed = weightedSquareSum >= test.lowerBound && weightedSquareSum <= test.upperBound;
    return test;
}

ErrorEllipse EllipseOf(double qNN, double qNE, double qEE)
{
    // The eigenvalues of [[qNN qNE] [qNE qEE]]; the major axis's angle from the N axis toward
    // the E axis is the azimuth, since N and E are a left-handed pair seen from above.
    const double mean = (qNN + qEE) / 2.0;
    const double radius = std::hypot((qNN - qEE) / 2.0, qNE);
    ErrorEllipse ellipse;
    ellipse.major = std::sqrt(std::max(0.0, mean + radius));
    ellipse.minor = std::sqrt(std::max(0.0, mean - radius));
    double azimuth = radius > 0.0 ? 0.5 * std::atan2(2.0 * qNE, qNN - qEE) : 0.0;
    if (azimuth < 0.0)
        azimuth += std::numbers::pi;
    ellipse.azimuth = azimuth >= std::numbers::pi ? 0.0 : azimuth;
    return ellipse;
}

Snooping SnoopData(const std::vector<Residual>& residuals)
{
    Snooping snooping;
    for (size_t i = 0; i < residuals.size(); ++i)
    {
        const std::optional<double>& w = residuals[i].standardized;
        if (w && (snooping.residual < 0 || std::abs(*w) > snooping.largest))
        {
            snooping.residual = int(i);
            snooping.largest = std::abs(*w);
        }
    }
    snooping.beyondCritical = snooping.residual >= 0 && snooping.largest > CriticalStandardizedResidual;
    return snooping;
}
} // namespace Adjustment

namespace Adjustment
{
Residual ResidualOf(const ObservationRef& ref, double observed, double misclosure, double variance,
                    double adjustedCofactor)
{
    Residual residual;
    residual.ref = ref;
    residual.observed = observed;
    residual.residual = -misclosure;
    residual.adjusted = observed + residual.residual;
    residual.sigma = std::sqrt(variance);
    const double residualVariance = variance - adjustedCofactor;
    residual.redundancy = std::clamp(residualVariance / variance, 0.0, 1.0);
    if (residual.redundancy > 1e-6)
        residual.standardized = residual.residual / std::sqrt(residualVariance);
    return residual;
}
} // namespace Adjustment
