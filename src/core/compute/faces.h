#pragma once

#include "core/compute/setup.h"

#include <QList>

// The both-face check of each setup ("盘左盘右"): how far its pairs' 2C values spread.
struct FaceCheck
{
    QString station;
    qint64 row = 0;
    QList<FacePair> pairs;
    double c2SpreadSeconds = 0; // largest 2C minus smallest; 0 with fewer than two pairs
    bool withinLimit = true;
};

// The default limit on the 2C spread within a setup, seconds of arc (a 2" instrument).
constexpr double DefaultC2SpreadLimit = 13;

// One check per setup that has pairs, in job order.
QList<FaceCheck> CheckFaces(const QList<Setup>& setups, double c2SpreadLimitSeconds = DefaultC2SpreadLimit);
