#pragma once

#include "core/plan/plan_scene.h"

class QPainter;

// Paints a picture of the plan on any Qt painter: the screen, an image, a PDF page.
void PaintPlan(QPainter& painter, const PlanScene& scene);
