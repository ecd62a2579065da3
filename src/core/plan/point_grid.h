#pragma once

#include "core/plan/plan_data.h"

#include <QRectF>

#include <vector>

// A uniform grid over the points, so that a picture of a small part of a large survey only
// visits the points near that part.
class CPointGrid
{
public:
    CPointGrid() = default;
    explicit CPointGrid(const PlanData& data);

    // The indices of the points in the cells that meet the ground rectangle (left = min east,
    // top = min north); a few may lie just outside it. Cell by cell, so not in index order.
    std::vector<int> PointsNear(const QRectF& ground) const;

private:
    PlanBounds m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    double m_cellWidth = 1;
    double m_cellHeight = 1;
    std::vector<int> m_cellStart; // m_columns * m_rows + 1 offsets into m_indices
    std::vector<int> m_indices;

    int ColumnOf(double east) const;
    int RowOf(double north) const;
};
