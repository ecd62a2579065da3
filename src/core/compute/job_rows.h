#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One stored row of a measurement job, its numbers read and its angles in radians, whichever
// table and unit it came from. Fields a row does not carry are absent.
struct JobRow
{
    enum class Kind { Station, BacksightCoor, BacksightAngle, Angle, Dist, MeasureCoor, Other };

    qint64 id = 0;
    Kind kind = Kind::Other;
    QString name;
    QString code;
    std::optional<double> n, e, z;
    std::optional<double> ph, pa, hd, ih; // pa in radians
    std::optional<double> ha, va;         // radians
    std::optional<double> sd;
};

// A 740Meas row from its ID, ATTR and the texts of its value columns in table order
// (SN, NCOOR, ECOOR, ZCOOR, CODE, PH, PA, HD, IH, HA, VA, SD, NOTES); angles are decimal degrees.
JobRow JobRowFromMeas(qint64 id, const QString& attr, const QStringList& values);

// A 520Meas row from its ID, MARK and DATA1… texts; angles are half arc-seconds.
// Station ("A"): DATA1 name, DATA2–4 N, E, Z, DATA5 instrument height.
// Reference target ("H", the backsight): DATA1 name, DATA2 azimuth, DATA3–5 N, E, Z, DATA7 target height.
// Angle and distance ("F", "G"): DATA1 name, DATA2 code, DATA3 HA, DATA4 VA, DATA5 SD,
// DATA6 target height, DATA8–10 the instrument's N, E, Z, DATA11 "Angle" or "Dist".
JobRow JobRowFromV2Meas(qint64 id, const QString& mark, const QStringList& data);

// A number as a job row writes it: surrounding blanks allowed, nothing else; absent otherwise.
std::optional<double> NumberIn(const QString& text);
