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

    // A point as the grid keeps it: where it is and what it is, next to its neighbours in
    // memory, so that a picture of a million points reads them in one sweep.
    struct Slot
    {
        double east;
        double north;
        int index;
        PlanRole role;
    };

    // Calls `visit(slot)` for the points in the cells that meet the ground rectangle (left =
    // min east, top = min north); a few may lie just outside it. Cell by cell, so not in
    // index order.
    template <typename Visit>
    void VisitNear(const QRectF& ground, Visit visit) const
    {
        int firstColumn, lastColumn, firstRow, lastRow;
        if (!CellsOf(ground, firstColumn, lastColumn, firstRow, lastRow))
            return;
        for (int row = firstRow; row <= lastRow; ++row)
        {
            const int begin = m_cellStart[size_t(row * m_columns + firstColumn)];
            const int end = m_cellStart[size_t(row * m_columns + lastColumn + 1)];
            for (int slot = begin; slot < end; ++slot)
                visit(m_slots[size_t(slot)]);
        }
    }

    // The indices of the same points.
    std::vector<int> PointsNear(const QRectF& ground) const;

private:
    bool CellsOf(const QRectF& ground, int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const;

    PlanBounds m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    double m_cellWidth = 1;
    double m_cellHeight = 1;
    std::vector<int> m_cellStart; // m_columns * m_rows + 1 offsets into m_slots
    std::vector<Slot> m_slots;

    int ColumnOf(double east) const;
    int RowOf(double north) const;
};
