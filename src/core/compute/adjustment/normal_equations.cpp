#include "core/compute/adjustment/normal_equations.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <algorithm>

namespace Adjustment
{
namespace
{
using Matrix = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;
using Factor = Eigen::SimplicialLDLT<Matrix, Eigen::Lower, Eigen::AMDOrdering<int>>;

// A pivot this small against its diagonal means the unknown is a combination of the ones
// before it: a rank defect, whatever rounding left of it. Sound networks stay many orders of
// magnitude above it.
constexpr double SingularPivot = 1e-11;
} // namespace

struct CNormalEquations::Private
{
    int unknowns = 0;
    Matrix normal;
    Factor factor;
    bool analysed = false;
    int singular = -1;
    // The cofactors of the permuted matrix, stored on the pattern of L: `below` beside L's
    // values, `diagonal` for the unknowns themselves.
    std::vector<double> below;
    std::vector<double> diagonal;
    std::vector<int> permuted; // original unknown → position in the factor

    const Matrix& L() const { return factor.matrixL().nestedExpression(); }
};

CNormalEquations::CNormalEquations(int unknowns) : d(std::make_unique<Private>())
{
    d->unknowns = unknowns;
}

CNormalEquations::~CNormalEquations() = default;

bool CNormalEquations::Solve(const std::vector<ObservationRow>& rows, std::vector<double>& corrections)
{
    const int n = d->unknowns;
    d->singular = -1;
    d->below.clear();
    d->diagonal.clear();
    std::vector<Eigen::Triplet<double, int>> entries;
    entries.reserve(rows.size() * 15 + size_t(n));
    Eigen::VectorXd right = Eigen::VectorXd::Zero(n);
    for (int i = 0; i < n; ++i)
        entries.emplace_back(i, i, 0.0); // every unknown has its diagonal, observed or not
    for (const ObservationRow& row : rows)
        for (int a = 0; a < row.terms; ++a)
        {
            const int ia = row.unknown[size_t(a)];
            const double wa = row.weight * row.coefficient[size_t(a)];
            right[ia] += wa * row.misclosure;
            for (int b = 0; b < row.terms; ++b)
            {
                const int ib = row.unknown[size_t(b)];
                if (ib >= ia) // the lower triangle, column ia
                    entries.emplace_back(ib, ia, wa * row.coefficient[size_t(b)]);
            }
        }
    d->normal.resize(n, n);
    d->normal.setFromTriplets(entries.begin(), entries.end());
    entries = {};

    if (!d->analysed)
    {
        d->factor.analyzePattern(d->normal);
        d->analysed = true;
    }
    d->factor.factorize(d->normal);

    const auto& inverse = d->factor.permutationPinv().indices();
    const Eigen::VectorXd pivots = d->factor.vectorD();
    const Eigen::VectorXd diagonal = d->normal.diagonal();
    for (int k = 0; k < n; ++k)
    {
        const int original = inverse[k];
        if (!(pivots[k] > SingularPivot * diagonal[original]) || diagonal[original] <= 0.0)
        {
            d->singular = original;
            return false;
        }
    }
    if (d->factor.info() != Eigen::Success)
        return false;

    const Eigen::VectorXd x = d->factor.solve(right);
    corrections.assign(x.data(), x.data() + n);
    const auto& forward = d->factor.permutationP().indices();
    d->permuted.assign(forward.data(), forward.data() + n);
    return true;
}

int CNormalEquations::SingularUnknown() const
{
    return d->singular;
}

// The selected inverse of L·D·Lᵀ (Takahashi's equations), column by column from the last:
//   Z(i,j) = −Σ_k Z(i,k)·L(k,j)           for i in the pattern of column j,
//   Z(j,j) = 1/D(j) − Σ_k L(k,j)·Z(k,j),   k over the pattern of column j.
// Every Z(i,k) the sums need lies on the pattern: the rows of column j below k are rows of
// column k too (the elimination fills them in). Column j is scattered into a dense vector so
// each earlier column k is walked once.
bool CNormalEquations::ComputeCofactors(const std::atomic<bool>* stop)
{
    constexpr int ColumnsBetweenLooks = 512; // a look costs nothing beside a few hundred columns
    const Matrix& L = d->L();
    const int n = int(L.cols());
    const int* start = L.outerIndexPtr();
    const int* row = L.innerIndexPtr();
    const double* value = L.valuePtr();
    const Eigen::VectorXd pivots = d->factor.vectorD();

    d->below.assign(size_t(start[n]), 0.0);
    d->diagonal.assign(size_t(n), 0.0);
    std::vector<double> l(size_t(n), 0.0);
    std::vector<double> sum(size_t(n), 0.0);
    std::vector<int> mark(size_t(n), -1);
    for (int j = n - 1; j >= 0; --j)
    {
        if (stop && j % ColumnsBetweenLooks == 0 && stop->load(std::memory_order_relaxed))
            return false;
        for (int p = start[j]; p < start[j + 1]; ++p)
        {
            l[size_t(row[p])] = value[p];
            mark[size_t(row[p])] = j;
        }
        for (int p = start[j]; p < start[j + 1]; ++p)
        {
            const int k = row[p];
            sum[size_t(k)] += d->diagonal[size_t(k)] * l[size_t(k)];
            for (int q = start[k]; q < start[k + 1]; ++q)
            {
                const int i = row[q];
                if (mark[size_t(i)] != j)
                    continue;
                const double z = d->below[size_t(q)]; // Z(i,k), i > k
                sum[size_t(k)] += z * l[size_t(i)];
                sum[size_t(i)] += z * l[size_t(k)];
            }
        }
        double jj = 1.0 / pivots[j];
        for (int p = start[j]; p < start[j + 1]; ++p)
        {
            const size_t i = size_t(row[p]);
            d->below[size_t(p)] = -sum[i];
            jj += l[i] * sum[i];
            sum[i] = 0.0;
            l[i] = 0.0;
        }
        d->diagonal[size_t(j)] = jj;
    }
    return true;
}

double CNormalEquations::Cofactor(int a, int b) const
{
    const int ka = d->permuted[size_t(a)];
    const int kb = d->permuted[size_t(b)];
    if (ka == kb)
        return d->diagonal[size_t(ka)];
    const int column = std::min(ka, kb);
    const int wanted = std::max(ka, kb);
    const Matrix& L = d->L();
    const int* first = L.innerIndexPtr() + L.outerIndexPtr()[column];
    const int* last = L.innerIndexPtr() + L.outerIndexPtr()[column + 1];
    const int* found = std::lower_bound(first, last, wanted);
    if (found == last || *found != wanted)
        return 0.0;
    return d->below[size_t(found - L.innerIndexPtr())];
}

double CNormalEquations::AdjustedCofactor(const ObservationRow& row) const
{
    double q = 0.0;
    for (int a = 0; a < row.terms; ++a)
        for (int b = 0; b < row.terms; ++b)
            q += row.coefficient[size_t(a)] * Cofactor(row.unknown[size_t(a)], row.unknown[size_t(b)]) *
                 row.coefficient[size_t(b)];
    return q;
}
} // namespace Adjustment
