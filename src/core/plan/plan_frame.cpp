#include "core/plan/plan_frame.h"

#include <algorithm>
#include <cmath>

namespace
{
// Beyond these the picture is a blur or a single pixel spans kilometres: neither helps.
constexpr double NearestScale = 1e4;   // pixels per metre: 0.1 mm per pixel
constexpr double FarthestScale = 1e-6; // a whole continent in a pixel
// Width given to a plan of one point, or the thickness of a line of points, in metres.
constexpr double SmallestExtent = 10;
} // namespace

CPlanFrame::CPlanFrame(QSizeF size) : m_size(size) {}

void CPlanFrame::Fit(const PlanBounds& bounds, double margin)
{
    if (bounds.empty)
    {
        m_centreEast = m_centreNorth = 0;
        m_scale = 1;
        return;
    }
    m_centreEast = (bounds.minEast + bounds.maxEast) / 2;
    m_centreNorth = (bounds.minNorth + bounds.maxNorth) / 2;
    const double width = std::max(1.0, m_size.width() - 2 * margin);
    const double height = std::max(1.0, m_size.height() - 2 * margin);
    // A line of points along one axis is fitted by its length alone.
    const double east = bounds.maxEast - bounds.minEast;
    const double north = bounds.maxNorth - bounds.minNorth;
    double scale = std::min(east > 0 ? width / east : INFINITY, north > 0 ? height / north : INFINITY);
    if (!std::isfinite(scale))
        scale = std::min(width, height) / SmallestExtent;
    m_scale = std::clamp(scale, FarthestScale, NearestScale);
}

void CPlanFrame::ZoomAround(QPointF pixel, double factor)
{
    const QPointF ground = ToGround(pixel);
    m_scale = std::clamp(m_scale * factor, FarthestScale, NearestScale);
    // Put the same ground back under the pixel.
    m_centreEast = ground.x() - (pixel.x() - m_size.width() / 2) / m_scale;
    m_centreNorth = ground.y() + (pixel.y() - m_size.height() / 2) / m_scale;
}

void CPlanFrame::SetScale(double pixelsPerMetre)
{
    m_scale = std::clamp(pixelsPerMetre, FarthestScale, NearestScale);
}

void CPlanFrame::PanBy(QPointF delta)
{
    m_centreEast -= delta.x() / m_scale;
    m_centreNorth += delta.y() / m_scale;
}

void CPlanFrame::CentreOn(double east, double north)
{
    m_centreEast = east;
    m_centreNorth = north;
}

QPointF CPlanFrame::ToPixel(double east, double north) const
{
    // Differences first: at 10^7 m the absolute values leave no room for millimetres in a float.
    return {m_size.width() / 2 + (east - m_centreEast) * m_scale,
            m_size.height() / 2 - (north - m_centreNorth) * m_scale};
}

QPointF CPlanFrame::ToGround(QPointF pixel) const
{
    return {m_centreEast + (pixel.x() - m_size.width() / 2) / m_scale,
            m_centreNorth - (pixel.y() - m_size.height() / 2) / m_scale};
}

QRectF CPlanFrame::VisibleGround() const
{
    const double halfWidth = m_size.width() / 2 / m_scale;
    const double halfHeight = m_size.height() / 2 / m_scale;
    return {m_centreEast - halfWidth, m_centreNorth - halfHeight, 2 * halfWidth, 2 * halfHeight};
}

QString ScaleBar::Text() const
{
    if (metres >= 1000)
        return QStringLiteral("%1 km").arg(metres / 1000);
    return QStringLiteral("%1 m").arg(metres);
}

ScaleBar ChooseScaleBar(double pixelsPerMetre, double maxPixels)
{
    ScaleBar bar;
    if (pixelsPerMetre <= 0 || maxPixels <= 0)
        return bar;
    const double longest = maxPixels / pixelsPerMetre;
    const double power = std::pow(10.0, std::floor(std::log10(longest)));
    for (const double step : {5.0, 2.0, 1.0})
    {
        if (step * power <= longest)
        {
            bar.metres = step * power;
            break;
        }
    }
    bar.pixels = bar.metres * pixelsPerMetre;
    return bar;
}
