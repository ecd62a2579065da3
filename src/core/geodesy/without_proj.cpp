// A build without PROJ (the Windows toolchain has none): everything else of the program works,
// and every use of a coordinate system is refused with the same words instead of a guess.
#include "core/geodesy/cgcs2000_zones.h"
#include "core/geodesy/coordinate_system.h"
#include "core/geodesy/geodesy_texts.h"
#include "core/geodesy/plan_position.h"
#include "core/geodesy/point_transform.h"


namespace
{
// As PROJ's own failures are told: in English, inside the program's words.
constexpr const char* NoProj = "this build of the program has no PROJ: coordinate systems are not available";

Outcome Refusal()
{
    return {Status::CannotCompute, GeodesyTexts::TransformFailed.Arg(QString::fromLatin1(NoProj))};
}
} // namespace

PJ_CONTEXT* ThreadProjContext()
{
    return nullptr;
}

void ProjObjectDeleter::operator()(PJ*) const
{
}

QString ProjFailure()
{
    return QString::fromLatin1(NoProj);
}

QString ProjDefinitionOf(const CoordinateSystem& system)
{
    return system.kind == CoordinateSystem::Kind::Epsg ? QStringLiteral("EPSG:%1").arg(system.epsg) : QString();
}

ProjObject ProjSystemOf(const CoordinateSystem&)
{
    return {};
}

QString DescriptionOf(const CoordinateSystem& system)
{
    switch (system.kind)
    {
    case CoordinateSystem::Kind::Epsg: return ProjDefinitionOf(system);
    case CoordinateSystem::Kind::Local: return QStringLiteral("+proj=tmerc +lon_0=%1").arg(system.local.meridian, 0, 'g', 15);
    case CoordinateSystem::Kind::None: break;
    }
    return QStringLiteral("none");
}

Outcome CheckSystem(const CoordinateSystem& system)
{
    if (!system.IsSet())
        return {Status::NoCoordinateSystem};
    return Refusal();
}

std::optional<CoordinateSystem> GeographicOf(const CoordinateSystem&)
{
    return std::nullopt;
}

bool IsGeographic(const CoordinateSystem&)
{
    return false;
}

CPointTransform::CPointTransform(const CoordinateSystem&, const CoordinateSystem&) : m_prepared(Refusal())
{
}

CPointTransform::CPointTransform(const QString&, bool northFirst, bool withHeight)
    : m_prepared(Refusal()), m_northFirst(northFirst), m_withHeight(withHeight)
{
}

qsizetype CPointTransform::Apply(std::span<double> north, std::span<double>, std::span<double>) const
{
    return north.empty() ? -1 : 0;
}

CGridFactors::CGridFactors(const CoordinateSystem& system)
    : m_toGeographic(system, CoordinateSystem{}), m_prepared(Refusal())
{
}

std::optional<GridFactors> CGridFactors::At(double, double) const
{
    return std::nullopt;
}

QList<NamedSystem> Cgcs2000Zones()
{
    return {};
}

std::optional<int> Cgcs2000ZoneNamed(const QString&)
{
    return std::nullopt;
}

CPlanPosition::CPlanPosition(const CoordinateSystem& system)
    : m_toGeographic(system, CoordinateSystem{}), m_factors(system)
{
}

std::optional<GeographicPosition> CPlanPosition::Geographic(double, double) const
{
    return std::nullopt;
}

std::optional<double> CPlanPosition::GroundMetresPerUnit(double, double) const
{
    return std::nullopt;
}
