#pragma once

#include <QString>
#include <QStringList>

// One 740Meas row as an insert statement, for tests that lay out a job by hand: ATTR's tail
// (Station, Angle, Dist, …), then SN, NCOOR, ECOOR, ZCOOR, CODE, PH, PA, HD, IH, HA, VA, SD;
// the fields not given are empty.
inline QString MeasRow(int id, const QString& attr, const QStringList& values)
{
    QStringList quoted;
    for (const QString& value : values)
        quoted << QStringLiteral("'%1'").arg(value);
    while (quoted.size() < 13)
        quoted << QStringLiteral("''");
    return QStringLiteral("insert into \"740Meas\" values(%1,'T5(T8)_Meas_%2',%3)").arg(id).arg(attr, quoted.join(','));
}
