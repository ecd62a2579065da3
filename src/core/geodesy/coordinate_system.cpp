#include "core/geodesy/coordinate_system.h"

#include "core/geodesy/geodesy_texts.h"


#include <proj.h>

namespace
{
// The register's codes of CGCS2000's ellipsoid and of its geographic system.
constexpr const char* Cgcs2000Ellipsoid = "1024";
constexpr int Cgcs2000Geographic = 4490;

QString Number(double value)
{
    return QString::number(value, 'g', 15);
}

// The CGCS2000 ellipsoid as the register defines it: semi-major axis and inverse flattening.
struct Ellipsoid
{
    double semiMajor = 0;
    double inverseFlattening = 0;
};

std::optional<Ellipsoid> Cgcs2000()
{
    PJ_CONTEXT* context = ThreadProjContext();
    const ProjObject ellipsoid(
        proj_create_from_database(context, "EPSG", Cgcs2000Ellipsoid, PJ_CATEGORY_ELLIPSOID, false, nullptr));
    Ellipsoid result;
    if (!ellipsoid || !proj_ellipsoid_get_parameters(context, ellipsoid.get(), &result.semiMajor, nullptr, nullptr,
                                                     &result.inverseFlattening))
        return std::nullopt;
    return result;
}

QString LocalDefinition(const LocalGrid& grid)
{
    const std::optional<Ellipsoid> ellipsoid = Cgcs2000();
    if (!ellipsoid)
        return {};
    // Raising the ellipsoid by the projection height keeps its flattening: the grid then lies
    // on the surface the work is done on, wherever its latitude.
    return QStringLiteral("+proj=tmerc +lat_0=0 +lon_0=%1 +k=%2 +x_0=%3 +y_0=%4 +a=%5 +rf=%6 +units=m +no_defs "
                          "+type=crs")
        .arg(Number(grid.meridian), Number(grid.scale), Number(grid.falseEasting), Number(grid.falseNorthing),
             Number(ellipsoid->semiMajor + grid.height), Number(ellipsoid->inverseFlattening));
}

bool IsUsable(PJ_TYPE type)
{
    return type == PJ_TYPE_PROJECTED_CRS || type == PJ_TYPE_GEOGRAPHIC_2D_CRS;
}
} // namespace

QString ProjDefinitionOf(const CoordinateSystem& system)
{
    switch (system.kind)
    {
    case CoordinateSystem::Kind::Epsg: return QStringLiteral("EPSG:%1").arg(system.epsg);
    case CoordinateSystem::Kind::Local: return LocalDefinition(system.local);
    case CoordinateSystem::Kind::None: break;
    }
    return {};
}

ProjObject ProjSystemOf(const CoordinateSystem& system)
{
    if (!system.IsSet())
        return {};
    const QByteArray definition = ProjDefinitionOf(system).toUtf8();
    ProjObject object(proj_create(ThreadProjContext(), definition.constData()));
    if (!object || !IsUsable(proj_get_type(object.get())))
        return {};
    return object;
}

QString DescriptionOf(const CoordinateSystem& system)
{
    switch (system.kind)
    {
    case CoordinateSystem::Kind::Epsg:
    {
        const ProjObject object = ProjSystemOf(system);
        const QString name = object ? QString::fromUtf8(proj_get_name(object.get())) : QString();
        return QStringLiteral("%1 %2").arg(ProjDefinitionOf(system), name).trimmed();
    }
    case CoordinateSystem::Kind::Local: return ProjDefinitionOf(system);
    case CoordinateSystem::Kind::None: break;
    }
    return QStringLiteral("none");
}

Outcome CheckSystem(const CoordinateSystem& system)
{
    if (!system.IsSet())
        return {Status::NoCoordinateSystem};
    if (!ProjSystemOf(system))
        return {Status::UnknownCoordinateSystem, ProjDefinitionOf(system)};
    return {};
}

std::optional<CoordinateSystem> GeographicOf(const CoordinateSystem& system)
{
    if (system.kind == CoordinateSystem::Kind::Local)
        return CoordinateSystem::Epsg(Cgcs2000Geographic);
    const ProjObject object = ProjSystemOf(system);
    if (!object)
        return std::nullopt;
    if (proj_get_type(object.get()) == PJ_TYPE_GEOGRAPHIC_2D_CRS)
        return system;
    const ProjObject geodetic(proj_crs_get_geodetic_crs(ThreadProjContext(), object.get()));
    if (!geodetic || qstrcmp(proj_get_id_auth_name(geodetic.get(), 0), "EPSG") != 0)
        return std::nullopt;
    const CoordinateSystem geographic = CoordinateSystem::Epsg(QByteArray(proj_get_id_code(geodetic.get(), 0)).toInt());
    return ProjSystemOf(geographic) ? std::optional(geographic) : std::nullopt;
}

bool IsGeographic(const CoordinateSystem& system)
{
    const ProjObject object = ProjSystemOf(system);
    return object && proj_get_type(object.get()) == PJ_TYPE_GEOGRAPHIC_2D_CRS;
}
