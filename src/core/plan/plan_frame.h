#pragma once

#include "core/plan/plan_data.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the plan stands on the screen: the ground point at the centre of the picture and the
// scale, the same on both axes, with north up. Screen y grows downwards, north upwards.
class CPlanFrame
{
public:
    explicit CPlanFrame(QSizeF size = {640, 480});

    void SetSize(QSizeF size) { m_size = size; }
    QSizeF Size() const { return m_size; }
    double PixelsPerMetre() const { return m_scale; }
    double CentreEast() const { return m_centreEast; }
    double CentreNorth() const { return m_centreNorth; }

    // Shows everything within the bounds with a margin of `margin` pixels on every side. A
    // single point, or points on one line, still get a finite scale.
    void Fit(const PlanBounds& bounds, double margin = 40);
    // Zooms by `factor` (>1 nearer) keeping the ground under `pixel` where it is.
    void ZoomAround(QPointF pixel, double factor);
    // Moves the picture by a drag of `delta` pixels.
    void PanBy(QPointF delta);
    void CentreOn(double east, double north);
    // Sets the scale outright, as a printed sheet does; the centre stays.
    void SetScale(double pixelsPerMetre);

    QPointF ToPixel(double east, double north) const;
    QPointF ToGround(QPointF pixel) const; // x east, y north
    // The ground the picture shows: left = min east, top = min north (a ground rectangle,
    // not a screen one).
    QRectF VisibleGround() const;

private:
    QSizeF m_size;
    double m_centreEast = 0;
    double m_centreNorth = 0;
    double m_scale = 1;
};

// A scale bar: a round length (1, 2 or 5 times a power of ten metres) and how many pixels
// it takes at a scale.
struct ScaleBar
{
    double metres = 0;
    double pixels = 0;
    QString Text() const; // "50 m", "2 km", "0.5 m"
};
ScaleBar ChooseScaleBar(double pixelsPerMetre, double maxPixels);
