#include "core/plan/point_grid.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int PointsPerCell = 16;
constexpr int MostCellsPerSide = 1024;
} // namespace

CPointGrid::CPointGrid(const PlanData& data) : m_bounds(data.bounds)
{
    const int count = int(data.points.size());
    if (count == 0)
        return;
    const int side = std::clamp(int(std::sqrt(double(count) / PointsPerCell)), 1, MostCellsPerSide);
    const double width = m_bounds.maxEast - m_bounds.minEast;
    const double height = m_bounds.maxNorth - m_bounds.minNorth;
    // Cells about square; a plan of one line of points gets one row or one column.
    if (width >= height)
    {
        m_columns = side;
        m_rows = height > 0 ? std::clamp(int(side * height / width), 1, side) : 1;
    }
    else
    {
        m_rows = side;
        m_columns = width > 0 ? std::clamp(int(side * width / height), 1, side) : 1;
    }
    m_cellWidth = width > 0 ? width / m_columns : 1;
    m_cellHeight = height > 0 ? height / m_rows : 1;

    // Counting sort of the points by cell.
    std::vector<int> cellOf(count);
    m_cellStart.assign(size_t(m_columns) * m_rows + 1, 0);
    for (int i = 0; i < count; ++i)
    {
        const PlanPoint& point = data.points[size_t(i)];
        cellOf[size_t(i)] = RowOf(point.north) * m_columns + ColumnOf(point.east);
        ++m_cellStart[size_t(cellOf[size_t(i)]) + 1];
    }
    for (size_t cell = 1; cell < m_cellStart.size(); ++cell)
        m_cellStart[cell] += m_cellStart[cell - 1];
    std::vector<int> next(m_cellStart.begin(), m_cellStart.end() - 1);
    m_slots.resize(size_t(count));
    for (int i = 0; i < count; ++i)
    {
        const PlanPoint& point = data.points[size_t(i)];
        m_slots[size_t(next[size_t(cellOf[size_t(i)])]++)] = {point.east, point.north, i, point.role};
    }
}

int CPointGrid::ColumnOf(double east) const
{
    return std::clamp(int(std::floor((east - m_bounds.minEast) / m_cellWidth)), 0, m_columns - 1);
}

int CPointGrid::RowOf(double north) const
{
    return std::clamp(int(std::floor((north - m_bounds.minNorth) / m_cellHeight)), 0, m_rows - 1);
}

bool CPointGrid::CellsOf(const QRectF& ground, int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const
{
    if (m_slots.empty() || ground.right() < m_bounds.minEast || ground.left() > m_bounds.maxEast ||
        ground.bottom() < m_bounds.minNorth || ground.top() > m_bounds.maxNorth)
        return false;
    firstColumn = ColumnOf(ground.left());
    lastColumn = ColumnOf(ground.right());
    firstRow = RowOf(ground.top());
    lastRow = RowOf(ground.bottom());
    return true;
}

std::vector<int> CPointGrid::PointsNear(const QRectF& ground) const
{
    std::vector<int> found;
    VisitNear(ground, [&found](const Slot& slot) { found.push_back(slot.index); });
    return found;
}
