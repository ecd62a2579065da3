#pragma once

#include "core/compute/job_rows.h"
#include "core/compute/setup.h"

#include <QList>

// How far two pointings may stray and still count as the two faces of one target.
struct FaceTolerance
{
    double horizontal = 3.14159265358979323846 / 180; // |HA_left − (HA_right ∓ 180°)|, radians
    double vertical = 3.14159265358979323846 / 180;   // |VA_left + VA_right − 360°|, radians
};

// The setups of a job, in job order: a Station row and the rows up to the next one. Rows
// before the first station belong to no setup and are left out. Both-face pointings at the
// same target are paired (each face-right pointing with the nearest unpaired face-left one
// within the tolerance, an earlier one first) and meaned; a Measure-Coor row that follows a
// Dist row for the same point gives that pointing the instrument's own coordinates.
QList<Setup> ReadSetups(const QList<JobRow>& rows, const FaceTolerance& tolerance = {});

// The job's own control: every station and backsight with coordinates, first occurrence of a
// name winning, in job order.
QList<KnownPoint> ControlOfJob(const QList<Setup>& setups);
