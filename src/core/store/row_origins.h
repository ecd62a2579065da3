#pragma once

#include <QString>

// The origin marks the Attr column carries: where a row came from. They are data, stored and
// exported as they stand in every language, and instruments, older projects and other programs
// read them, so they never change and are never translated.
namespace RowOrigins
{
// A measurement row's mark is this prefix and the kind name ("T5(T8)_Meas_Station").
inline const QString MeasPrefix = QStringLiteral("T5(T8)_Meas_");
inline QString MeasOf(const QString& kindName)
{
    return MeasPrefix + kindName;
}
inline const QString Coor = QStringLiteral("T5(T8)_COOR");

// The T8 version 2 job.
inline const QString V2Meas = QStringLiteral("T8_V2_Meas");
inline const QString V2Coor = QStringLiteral("T8_V2_Coor"); // CoorEdit rows of measurements and stake-outs
inline const QString V2CoorRecord = QStringLiteral("T8_V2_COOR");
inline const QString V2RoadStake = QStringLiteral("T8_V2_RoadStake");
inline const QString V2XSect = QStringLiteral("T8_V2_BreakerSurface");
inline const QString V2SurfaceLine = QStringLiteral("T8_V2_SurfaceLine");

// Typed in by hand, read from a text file, or computed here.
inline const QString ManualInput = QStringLiteral("Manual_Input_Data");
inline const QString ImportCoor = QStringLiteral("Import_Data");
inline const QString ImportCode = QStringLiteral("Import_Code Data");
inline const QString Calc = QStringLiteral("CALC");
} // namespace RowOrigins
