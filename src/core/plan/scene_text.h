#pragma once

#include <QPointF>
#include <QString>

// The text of a drawn plan, in picture pixels: what the scene and the placing of names share.

struct SceneLabel
{
    QPointF at; // left end of the text's base line
    QString text;
};

struct SceneLine
{
    QPointF from;
    QPointF to;
};

// About how wide a label is drawn: ideographs take a full em, other characters a little
// over half. Good enough to keep labels apart without asking a font.
double LabelWidth(const QString& text, double fontPixels);
