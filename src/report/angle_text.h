#pragma once

#include <QString>

// An angle as surveyors read it: 90°00′04.0″ (seconds to `decimals` places), the sign in front
// when negative.
QString DmsText(double radians, int decimals = 1);

// Seconds of arc with a sign: +24.0″.
QString SignedSecondsText(double radians, int decimals = 1);
