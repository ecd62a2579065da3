#pragma once

#include "core/plan/plan_data.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// The look of the plan, shared by the screen, the image files and the SVG writer.
namespace PlanLook
{
inline constexpr const char* Background = "#ffffff";
inline constexpr const char* Dot = "#1f4e9c";
inline constexpr const char* Sight = "#9a9a9a";
inline constexpr const char* Station = "#c62828";
inline constexpr const char* Observed = "#2e7d32";
inline constexpr const char* Entered = "#6a1b9a";
inline constexpr const char* Flagged = "#d81b60";
inline constexpr const char* Selected = "#ff8f00";
inline constexpr const char* Ellipse = "#1565c0";
inline constexpr const char* Residual = "#e53935";
inline constexpr const char* Ink = "#202020";
inline constexpr const char* Leader = "#707070";
inline constexpr double DotRadius = 2;
inline constexpr double SymbolRadius = 4.5;

const char* ColourOf(PlanRole role);

// The north arrow in the top right corner: the arrow's outline and where its letter stands.
QList<QPointF> NorthArrow(QSizeF size);
QPointF NorthLetter(QSizeF size);
// The arrow's letter is the same in every language.
inline const QString NorthMark = QStringLiteral("N");
// The scale bar at the bottom left, `pixels` long: the bar and where its text starts.
QLineF ScaleBarLine(QSizeF size, double pixels);
QPointF ScaleBarText(QSizeF size);
// The half-clear white grounds behind the north arrow and the scale bar (whose text is
// `textWidth` wide), so that both stay readable over a dense job; no name is set on them.
std::vector<QRectF> MarkBackings(QSizeF size, double barPixels, double textWidth, double fontPixels);
inline constexpr const char* Backing = "#ffffff";
inline constexpr double BackingOpacity = 0.85;
inline constexpr const char* BackingEdge = "#c8c8c8";
// Where the `line`th note (from 0) starts, in the top left corner, for text `fontPixels` high.
QPointF NoteAt(int line, double fontPixels);
// A station's triangle around a point.
QList<QPointF> StationTriangle(QPointF at);
} // namespace PlanLook
