#include "core/plan/plan_marks.h"

#include <algorithm>

namespace PlanLook
{
const char* ColourOf(PlanRole role)
{
    switch (role)
    {
    case PlanRole::Station:
        return Station;
    case PlanRole::Observed:
        return Observed;
    case PlanRole::Entered:
        return Entered;
    case PlanRole::Flagged:
        return Flagged;
    case PlanRole::Point:
        break;
    }
    return Dot;
}

QList<QPointF> NorthArrow(QSizeF size)
{
    const double x = size.width() - 30;
    const double y = 22;
    return {{x, y}, {x + 9, y + 30}, {x, y + 23}, {x - 9, y + 30}};
}

QPointF NorthLetter(QSizeF size)
{
    return {size.width() - 34, 18};
}

QLineF ScaleBarLine(QSizeF size, double pixels)
{
    const double y = size.height() - 20;
    return {20, y, 20 + pixels, y};
}

QPointF ScaleBarText(QSizeF size)
{
    return {20, size.height() - 28};
}

std::vector<QRectF> MarkBackings(QSizeF size, double barPixels, double textWidth, double fontPixels)
{
    // Around the letter (its base line 18 px down) and the arrow below it.
    std::vector<QRectF> backings{QRectF(size.width() - 46, 2, 32, 56)};
    if (barPixels > 0)
    {
        // From above the text (its base line 28 px above the foot) to below the bar.
        const double top = size.height() - 28 - fontPixels - 4;
        backings.push_back(QRectF(12, top, std::max(barPixels, textWidth) + 16, size.height() - 12 - top));
    }
    return backings;
}

QPointF NoteAt(int line, double fontPixels)
{
    return {10, 20 + line * fontPixels * 1.4};
}

QList<QPointF> StationTriangle(QPointF at)
{
    const double r = SymbolRadius + 1;
    return {at + QPointF(0, -r), at + QPointF(r, r * 0.75), at + QPointF(-r, r * 0.75)};
}
} // namespace PlanLook
