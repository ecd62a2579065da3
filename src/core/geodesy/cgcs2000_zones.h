#pragma once

#include <QList>
#include <QString>

#include <optional>

// A system of the EPSG register with its name there.
struct NamedSystem
{
    int epsg = 0;
    QString name;
};

// The CGCS2000 Gauss-Krüger zones of the register, 6° zones first, then 3° zones, each with and
// without the zone number in front of the easting ("CGCS2000 / 3-degree Gauss-Kruger CM 117E",
// "CGCS2000 / 3-degree Gauss-Kruger zone 39"), named as PROJ's database names them.
QList<NamedSystem> Cgcs2000Zones();

// The zone of that name (case and surrounding blanks aside), or nothing.
std::optional<int> Cgcs2000ZoneNamed(const QString& name);
