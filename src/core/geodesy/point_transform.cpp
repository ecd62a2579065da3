#include "core/geodesy/point_transform.h"

#include "core/geodesy/geodesy_texts.h"

#include <proj.h>

#include <cmath>
#include <numbers>

namespace
{
// PROJ's conversion of a system to the order longitude/latitude, easting/northing, whatever
// order the register gives its axes.
ProjObject Normalized(ProjObject operation)
{
    if (!operation)
        return {};
    return ProjObject(proj_normalize_for_visualization(ThreadProjContext(), operation.get()));
}

Outcome Failure()
{
    return {Status::CannotCompute, GeodesyTexts::TransformFailed.Arg(ProjFailure())};
}

bool Converted(double value)
{
    return std::isfinite(value) && value != HUGE_VAL;
}

double Degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}
double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}
} // namespace

CPointTransform::CPointTransform(const CoordinateSystem& from, const CoordinateSystem& to)
{
    for (const CoordinateSystem* system : {&from, &to})
    {
        m_prepared = CheckSystem(*system);
        if (!m_prepared.Succeeded())
            return;
    }
    const ProjObject source = ProjSystemOf(from);
    const ProjObject target = ProjSystemOf(to);
    PJ_CONTEXT* context = ThreadProjContext();
    m_operation = Normalized(ProjObject(proj_create_crs_to_crs_from_pj(context, source.get(), target.get(), nullptr,
                                                                        nullptr)));
    if (!m_operation)
        m_prepared = Failure();
}

CPointTransform::CPointTransform(const QString& operation, bool northFirst, bool withHeight)
    : m_northFirst(northFirst), m_withHeight(withHeight)
{
    PJ_CONTEXT* context = ThreadProjContext();
    m_operation = ProjObject(proj_create(context, operation.toUtf8().constData()));
    if (!m_operation)
        m_prepared = Failure();
}

qsizetype CPointTransform::Apply(std::span<double> north, std::span<double> east, std::span<double> height) const
{
    if (!m_operation)
        return north.empty() ? -1 : 0;
    const size_t count = north.size();
    std::span<double> x = m_northFirst ? north : east;
    std::span<double> y = m_northFirst ? east : north;
    double* z = m_withHeight && height.size() == count ? height.data() : nullptr;
    // One call for the whole array: PROJ then chooses the operation once per run of points
    // instead of once per point.
    proj_trans_generic(m_operation.get(), PJ_FWD, x.data(), sizeof(double), count, y.data(), sizeof(double), count,
                       z, z ? sizeof(double) : 0, z ? count : 0, nullptr, 0, 0);
    for (size_t i = 0; i < count; ++i)
        if (!Converted(x[i]) || !Converted(y[i]) || (z && !Converted(z[i])))
            return qsizetype(i);
    return -1;
}

namespace
{
// PROJ computes factors of a projected system given longitude and latitude in radians in its
// classic form (east, north; no axis order of the register), which PROJ writes out itself.
ProjObject ClassicForm(const CoordinateSystem& system)
{
    const ProjObject registered = ProjSystemOf(system);
    if (!registered || proj_get_type(registered.get()) != PJ_TYPE_PROJECTED_CRS)
        return {};
    PJ_CONTEXT* context = ThreadProjContext();
    const char* classic = proj_as_proj_string(context, registered.get(), PJ_PROJ_4, nullptr);
    return ProjObject(classic ? proj_create(context, classic) : nullptr);
}
} // namespace

CGridFactors::CGridFactors(const CoordinateSystem& system)
    : m_system(ClassicForm(system)), m_toGeographic(system, GeographicOf(system).value_or(CoordinateSystem{}))
{
    m_prepared = CheckSystem(system);
    if (!m_prepared.Succeeded())
        return;
    if (!m_system)
        m_prepared = {Status::CannotCompute, GeodesyTexts::NotProjected};
    else if (!m_toGeographic.Prepared().Succeeded())
        m_prepared = m_toGeographic.Prepared();
}

std::optional<GridFactors> CGridFactors::At(double north, double east) const
{
    if (!m_prepared.Succeeded())
        return std::nullopt;
    double latitude = north;
    double longitude = east;
    if (m_toGeographic.Apply({&latitude, 1}, {&longitude, 1}) >= 0)
        return std::nullopt;
    const PJ_FACTORS factors = proj_factors(m_system.get(), proj_coord(Radians(longitude), Radians(latitude), 0, 0));
    if (proj_errno(m_system.get()) != 0)
    {
        proj_errno_reset(m_system.get());
        return std::nullopt;
    }
    // A conformal projection scales alike in every direction: the meridian's scale is the point scale.
    return GridFactors{factors.meridional_scale, Degrees(factors.meridian_convergence)};
}
