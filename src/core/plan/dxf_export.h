#pragma once

#include "core/plan/plan_data.h"
#include "core/report/outcome.h"

#include <QString>

// A layer name for a point code: the code without the characters a DXF layer name may not
// hold (replaced by '_': the forbidden marks, control characters, and characters the drawing's
// code page lacks, such as those beyond the basic plane), Chinese and other letters kept; "0",
// the default layer, for no code. Two codes may clean to one name: the drawing tells them apart.
QString DxfLayerName(const QString& code);

// Writes the points as an AutoCAD 2004 ASCII DXF drawing (text in GBK, declared): a POINT at
// (east, north, height) and a TEXT with the name beside it for every point, on one layer
// per code, each layer under a name no other layer has in any case ("tree" and "TREE" get
// two). Line breaks and other control characters in a name become blanks. Points whose coordinates are no number are left out; Done counts them in its
// message. FileNotWritable when the file cannot be written; DatabaseError, and nothing
// written, when the points could not be read.
Outcome ExportDxf(const QString& path, const PlanData& data);

// The point list (CoorEdit) read from the store and written as a drawing, as ExportDxf does.
Outcome ExportPointsDxf(CProjectStore& store, const QString& path);
