#include "core/plan/plan_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{
constexpr double PageMargin = 10;  // mm, inside what printers can print
constexpr double TitleHeight = 16; // mm: two lines of the title block
constexpr double TitleGap = 3;     // mm between the map's border and the title block
constexpr double FitMargin = 15;   // mm kept free inside the map's border when fitting, clear of
                                   // the scale bar and the north arrow

QSizeF PaperMillimetres(const SheetChoice& choice)
{
    const QSizeF portrait = choice.paper == PaperSize::A3 ? QSizeF(297, 420) : QSizeF(210, 297);
    return choice.landscape ? portrait.transposed() : portrait;
}

// The round scales a plan is drawn at: 1, 2, 2.5 and 5 times a power of ten.
int RoundScaleAtLeast(double scale)
{
    constexpr std::array<double, 4> steps{1, 2, 2.5, 5};
    for (double power = 1; power <= 1e9; power *= 10)
        for (const double step : steps)
            if (step * power >= scale - 1e-9)
                return int(step * power);
    return 1000000000;
}
} // namespace

SheetLayout LayOutSheet(const SheetChoice& choice, const PlanBounds& bounds, double metresPerUnit)
{
    SheetLayout layout;
    layout.page = PaperMillimetres(choice);
    const QRectF inner(PageMargin, PageMargin, layout.page.width() - 2 * PageMargin,
                       layout.page.height() - 2 * PageMargin);
    layout.map = inner;
    if (choice.titleBlock)
    {
        layout.map.setBottom(inner.bottom() - TitleHeight - TitleGap);
        layout.title = QRectF(inner.left(), inner.bottom() - TitleHeight, inner.width(), TitleHeight);
    }
    // The job's extent in ground metres; paper millimetres are that times 1000 / scale.
    const double east = bounds.empty ? 0 : (bounds.maxEast - bounds.minEast) * metresPerUnit;
    const double north = bounds.empty ? 0 : (bounds.maxNorth - bounds.minNorth) * metresPerUnit;
    if (choice.scale > 0)
        layout.scale = choice.scale;
    else
    {
        const double width = std::max(1.0, layout.map.width() - 2 * FitMargin);
        const double height = std::max(1.0, layout.map.height() - 2 * FitMargin);
        layout.scale = RoundScaleAtLeast(std::max({1.0, east * 1000 / width, north * 1000 / height}));
    }
    layout.needed = QSizeF(east * 1000 / layout.scale, north * 1000 / layout.scale);
    layout.fits = layout.needed.width() <= layout.map.width() && layout.needed.height() <= layout.map.height();
    return layout;
}

CPlanFrame SheetFrame(const SheetLayout& layout, const PlanBounds& bounds, double metresPerUnit)
{
    CPlanFrame frame(layout.map.size() * SheetPixelsPerMm);
    if (!bounds.empty)
        frame.CentreOn((bounds.minEast + bounds.maxEast) / 2, (bounds.minNorth + bounds.maxNorth) / 2);
    // One ground metre is 1000 / scale millimetres of paper.
    frame.SetScale(SheetPixelsPerMm * 1000.0 / layout.scale * metresPerUnit);
    return frame;
}

QString ScaleText(int scale)
{
    return QStringLiteral("1:%1").arg(scale);
}
