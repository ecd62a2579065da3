#pragma once

#include "core/report/outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class IListRows;

// Where the line producers below put their lines, one at a time, as the line's fields.
using MeasLineSink = std::function<void(const QStringList& fields)>;

// The measurement exports of a job list. They take the list's cell texts, row by row (the
// columns of the 740Meas or 520Meas list), so a file holds what the surveyor sees; fields are
// joined by commas, lines written in GBK and ended by CR LF.

enum class ShortMeasLayout
{
    Angle, // SN, CODE, VA, HA, PH
    Hd,    // SN, HA, HD, √(SD² − HD²), PH
    Sd,    // SN, HA, VA, SD, PH
};

enum class CoordinateOrder { EastNorth, NorthEast };

// How the full layouts write angles: index 0 and 1 of the export dialog's angle list.
enum class AngleStyle { Dms, Degrees };

// Decimal degrees as ddd.mmss, the seconds rounded to the nearest whole second and carried
// into minutes and degrees: 12.5 → "12.3000", 359.99999 → "360.0000".
QString DegreesToDmsRounded(double degrees);

// Decimal degrees as ddd.mmss, minutes and seconds truncated: 12.999999 → "12.5959".
QString DegreesToDmsTruncated(double degrees);

// A computed number with four decimals. A value that rounds to zero is "0.0000" whatever its
// sign; a value that is no finite number (the root of a negative) gives the empty text, so a
// field that cannot be computed stays empty rather than reading "nan".
QString FormatComputed(double value);

// The lines of the three short layouts of a 740Meas list, one per row.
void ShortMeasLines(ShortMeasLayout layout, IListRows& rows, const MeasLineSink& sink);
QStringList ShortMeasLines(ShortMeasLayout layout, const QList<QStringList>& rows);

// The full layout "PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE" of a 740Meas list: a header, then a
// station line for every station row and a measurement line for every "Dist" row followed by
// its "Measure" row. The coordinates come from the row after the station or the observation.
void FullMeasLines(IListRows& rows, CoordinateOrder order, AngleStyle angles, const MeasLineSink& sink);
QStringList FullMeasLines(const QList<QStringList>& rows, CoordinateOrder order, AngleStyle angles);

// The same layout of a 520Meas list: station, stake-point and angle-and-distance lines.
void FullV2MeasLines(IListRows& rows, CoordinateOrder order, AngleStyle angles, const MeasLineSink& sink);
QStringList FullV2MeasLines(const QList<QStringList>& rows, CoordinateOrder order, AngleStyle angles);

// Writes the lines that `produce` gives its sink to `path`, as they come, fields joined by
// commas; Done says "Export Data Success!". A .csv file quotes a field with a comma, quote or
// line break; any other file refuses the line (BadRow naming it). A file that cannot be created
// ends FileNotWritable, one that could not be written WriteFailed, and is left untouched, and so
// is one whose rows could not be read (`rows`, when given, tells): DatabaseError.
Outcome ExportMeasLines(const QString& path, const std::function<void(const MeasLineSink&)>& produce,
                        const IListRows* rows);
