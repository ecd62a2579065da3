#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <vector>

namespace Adjustment
{
// One linearised observation: a few unknowns with their coefficients, the misclosure
// (observed − computed) and the weight (1/σ², σ0 = 1).
struct ObservationRow
{
    static constexpr int MaxTerms = 5;
    int terms = 0;
    std::array<int, MaxTerms> unknown{};
    std::array<double, MaxTerms> coefficient{};
    double misclosure = 0.0;
    double weight = 1.0;

    void Add(int index, double value)
    {
        if (index < 0)
            return; // a fixed quantity: no unknown
        unknown[size_t(terms)] = index;
        coefficient[size_t(terms)] = value;
        ++terms;
    }
};

// The normal equations AᵀPA·x = AᵀPl of a sparse least-squares problem, solved by a sparse
// LDLᵀ factorisation with a fill-reducing (AMD) ordering. The pattern is analysed once, on
// the first solution: later iterations of the same network only refactorise. After a
// solution the cofactors Q = (AᵀPA)⁻¹ are available on the pattern of the factor, which holds
// every pair of unknowns that one observation joins: all the standard deviations, ellipses
// and redundancies need, without ever forming the dense inverse.
class CNormalEquations
{
public:
    explicit CNormalEquations(int unknowns);
    ~CNormalEquations();
    CNormalEquations(const CNormalEquations&) = delete;
    CNormalEquations& operator=(const CNormalEquations&) = delete;

    // The corrections x; false when the normal matrix is singular, and then `SingularUnknown`
    // names an unknown that the observations leave undetermined.
    bool Solve(const std::vector<ObservationRow>& rows, std::vector<double>& corrections);
    int SingularUnknown() const;

    // Q from the last successful solution; entries outside the factor's pattern are not kept
    // (they are never needed) and read as 0. False when `stop` was raised meanwhile (then Q is
    // incomplete and must not be read).
    bool ComputeCofactors(const std::atomic<bool>* stop = nullptr);
    double Cofactor(int a, int b) const;
    // a·Q·aᵀ for one row: the cofactor of the adjusted observation.
    double AdjustedCofactor(const ObservationRow& row) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
} // namespace Adjustment
