#include "core/geodesy/cgcs2000_zones.h"

#include "core/geodesy/proj_context.h"

#include <proj.h>

namespace
{
// The register numbers the CGCS2000 Gauss-Krüger systems in one run: 6° zones 13–23 and CM
// 75E–135E, then 3° zones 25–45 and CM 75E–135E.
constexpr int FirstZone = 4491;
constexpr int LastZone = 4554;
} // namespace

QList<NamedSystem> Cgcs2000Zones()
{
    PJ_CONTEXT* context = ThreadProjContext();
    QList<NamedSystem> zones;
    for (int code = FirstZone; code <= LastZone; ++code)
    {
        const ProjObject system(proj_create_from_database(context, "EPSG", QByteArray::number(code).constData(),
                                                          PJ_CATEGORY_CRS, false, nullptr));
        if (system)
            zones.append({code, QString::fromUtf8(proj_get_name(system.get()))});
    }
    return zones;
}

std::optional<int> Cgcs2000ZoneNamed(const QString& name)
{
    for (const NamedSystem& zone : Cgcs2000Zones())
        if (zone.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return zone.epsg;
    return std::nullopt;
}
