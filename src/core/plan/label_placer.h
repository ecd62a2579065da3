#pragma once

#include "core/plan/scene_text.h"

#include <QRectF>

#include <vector>

// From a point to the corner of its name's box, clear of the symbol and the selection ring.
inline constexpr double LabelGap = 7;

// A name to set beside its point, in picture pixels.
struct LabelWish
{
    QPointF point;
    QString text;
};

struct LabelRules
{
    double fontPixels = 12;
    // A picture on the screen drops a name that finds no free room beside its point (more
    // appear as one zooms in); an export carries every name, moved away along a leader line
    // where its neighbours crowd it, and on top of them where no room is left at all.
    bool everyName = false;
    // Room no name may cover in a file, nor on the screen where it can go elsewhere: the scale
    // bar, the north arrow, the notes.
    std::vector<QRectF> keepClear;
    // Where names may stand at all (the picture); anywhere when empty.
    QRectF within;
    // Names set already (the selected point's), which the others give way to as to each other.
    std::vector<QRectF> named;
};

struct PlacedLabels
{
    std::vector<SceneLabel> labels;
    std::vector<SceneLine> leaders; // from a point to its moved name
};

// Places the names in the order given, the first ones in the best places. Names keep clear of
// one another by a little space, so that two never read as one, and of every wished point.
PlacedLabels PlaceLabels(const std::vector<LabelWish>& wishes, const LabelRules& rules);

// The box a placed name covers, from its base line's left end.
QRectF LabelBox(const SceneLabel& label, double fontPixels);
