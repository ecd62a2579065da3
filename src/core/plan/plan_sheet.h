#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_frame.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

// A plan printed on a sheet of paper at a true scale, with a title block.
enum class PaperSize { A4, A3 };

struct SheetChoice
{
    PaperSize paper = PaperSize::A4;
    bool landscape = true;
    int scale = 0; // the 1000 of 1:1000; 0 chooses the largest round scale at which the job fits
    bool titleBlock = true;
};

// What the title block says; the scale is the sheet's own.
struct TitleBlock
{
    QString project;
    QString date;
    QString system;
};

// The sheet in millimetres, from the paper's top left corner.
struct SheetLayout
{
    QSizeF page;
    QRectF map;   // where the plan is drawn, inside its border
    QRectF title; // the title block below it; empty without one
    int scale = 1000;
    // Whether the whole job lies on the map at that scale; when it does not, the map shows
    // the middle of the job and cuts off the rest.
    bool fits = true;
    QSizeF needed; // the job's extent on paper at that scale
};

// Scene pixels per millimetre of paper: a sheet is drawn in the 96 pixels to the inch of the
// screen, so the plan's symbols and names have the size they have on the screen.
inline constexpr double SheetPixelsPerMm = 96 / 25.4;

// Lays the sheet out for points within `bounds`, whose coordinate unit is `metresPerUnit`
// metres on the ground.
SheetLayout LayOutSheet(const SheetChoice& choice, const PlanBounds& bounds, double metresPerUnit = 1);
// The frame that draws the map of a laid-out sheet in scene pixels: the middle of the job in
// the middle of the map, at the sheet's scale.
CPlanFrame SheetFrame(const SheetLayout& layout, const PlanBounds& bounds, double metresPerUnit = 1);

// "1:1000".
QString ScaleText(int scale);
