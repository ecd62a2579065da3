#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_frame.h"
#include "core/plan/scene_text.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class CPointGrid;

// What a picture of the plan shows besides the points.
struct PlanStyle
{
    bool names = true;   // point names beside the points, where they fit
    bool codes = false;  // the code after the name
    // A file or a sheet carries every name (moved along a leader where it is crowded); the
    // screen shows those that fit, and more as one zooms in.
    bool everyName = false;
    double fontPixels = 12;
    // Ground metres in one unit of the plan's coordinates where the picture is: the scale bar
    // measures the ground, whatever system the points are in (degrees, or a grid that is not
    // true to scale away from its meridian).
    double groundMetresPerUnit = 1;
};

struct SceneSymbol
{
    QPointF at;
    PlanRole role;
};

// An error ellipse in pixels: its semi-axes, and the major axis turned clockwise from the
// picture's up (north) by `rotation` degrees.
struct SceneEllipse
{
    QPointF at;
    double major = 0;
    double minor = 0;
    double rotation = 0;
};

// One picture of the plan in screen pixels, ready for any painter: the ordinary points as
// dots (at most one per pixel), the job's stations and points as symbols, the sights, the
// labels (those that fit without touching each other, or all of them), the scale bar, and
// the notes to show.
struct PlanScene
{
    QSizeF size;
    double fontPixels = 12;
    std::vector<QPointF> dots;
    std::vector<SceneSymbol> symbols;
    std::vector<SceneLine> sights;
    std::vector<SceneEllipse> ellipses;  // enlarged as the notes say
    std::vector<SceneLine> residuals;    // enlarged likewise
    std::vector<SceneLabel> labels;
    std::vector<SceneLine> leaders; // from a point to its name where the name had to move
    std::optional<QPointF> selected;
    // The selected point's label: always shown, whatever it overlaps, and drawn over the rest.
    std::optional<SceneLabel> selectedLabel;
    ScaleBar scaleBar;
    QString centreMessage; // in the middle of an empty plan
    QStringList notes;     // at the top left, one per line
};

PlanScene ComposePlan(const PlanData& data, const CPointGrid& grid, const CPlanFrame& frame, const PlanStyle& style,
                      int selected = -1);

// The label of a point: its name, and its code when asked for; empty when there is nothing.
QString LabelOf(const PlanPoint& point, bool withCode);
