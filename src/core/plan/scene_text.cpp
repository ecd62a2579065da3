#include "core/plan/scene_text.h"

double LabelWidth(const QString& text, double fontPixels)
{
    double width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x2E80 ? fontPixels : 0.62 * fontPixels;
    return width;
}
