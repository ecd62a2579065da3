#pragma once

#include "core/compute/faces.h"
#include "core/compute/polar.h"
#include "core/compute/traverse.h"
#include "core/report/outcome.h"

#include <QString>

// The computations' results as comma-separated files: one header line, CR LF line ends (GBK, as
// every file the program writes), coordinates with 4 decimals, angles in decimal degrees with 6,
// seconds of arc and millimetres with 1, an empty field where a value does not exist. Nothing
// reaches the file unless all of it was written. Ends Done or FileNotWritable.

// PT,STATION,N,E,Z,CODE,DN,DE,DZ
Outcome WritePointsCsv(const QString& path, const PolarResult& result);
// STATION,PT,HA,VA,C2,INDEX: the mean face-left direction and zenith angle of each pair.
Outcome WriteFacesCsv(const QString& path, const QList<FaceCheck>& checks);
// PT,N,E: the adjusted stations B, S1 … Sn, C.
Outcome WriteTraverseCsv(const QString& path, const TraverseResult& result);
