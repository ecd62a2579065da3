#pragma once

#include "core/compute/adjustment/adjustment_result.h"

namespace Adjustment
{
// The value below which a χ² variable with `dof` degrees of freedom falls with probability
// `probability` (0 < probability < 1, dof ≥ 1).
double ChiSquareQuantile(double probability, int dof);

// The global test of σ0 = 1 at 95 %, two-sided; not made without redundancy.
GlobalTest TestGlobally(double weightedSquareSum, int dof);

// The standard error ellipse of a 2×2 covariance (N first, then E).
ErrorEllipse EllipseOf(double qNN, double qNE, double qEE);

// The residual with the largest standardized value.
Snooping SnoopData(const std::vector<Residual>& residuals);
} // namespace Adjustment

namespace Adjustment
{
// An observation's residual once adjusted: `misclosure` is observed − adjusted (so v is its
// negative), `variance` its a priori σ², `adjustedCofactor` a·Q·aᵀ. The standardized residual
// is v / σ_v with σ_v² = σ² − a·Q·aᵀ; an observation no other checks (redundancy below 10⁻⁶)
// gets none.
Residual ResidualOf(const ObservationRef& ref, double observed, double misclosure, double variance,
                    double adjustedCofactor);
} // namespace Adjustment
