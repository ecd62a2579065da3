#pragma once

#include "core/plan/plan_data.h"
#include "core/plan/plan_frame.h"
#include "core/plan/plan_scene.h"
#include "core/plan/point_grid.h"

#include <QWidget>

#include <functional>
#include <optional>

// The plan drawn on the screen: wheel zooms around the cursor (and + and - around the middle),
// dragging pans, a click picks the nearest point. Each frame draws only what is visible.
class CPlanCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit CPlanCanvas(QWidget* parent = nullptr);

    // Shows new points with their grid; the picture is fitted when `fit` is set or the user
    // has not moved it.
    void SetData(PlanData data, CPointGrid grid, bool fit);
    const PlanData& Data() const { return m_data; }
    const CPointGrid& Grid() const { return m_grid; }
    const CPlanFrame& Frame() const { return m_frame; }
    PlanStyle& Style() { return m_style; }
    // Ground metres per unit of the coordinates at a place (north, east); nothing (or no
    // function) where the coordinates are taken as metres on the ground.
    using GroundScale = std::function<std::optional<double>(double north, double east)>;
    void SetGroundScale(GroundScale scale);

    // While the points are read: how many rows of how many (total 0: not known yet). The
    // picture says so, over the points read so far or in the middle of an empty one.
    void ShowLoading(qint64 read, qint64 total);
    void EndLoading();
    bool IsLoading() const { return m_loadingTotal >= 0; }

    void FitAll();
    void ZoomAround(QPointF pixel, double factor);
    void PanBy(QPointF delta);
    // Marks a point (−1: none) and, when it lies outside the picture, brings it to the centre.
    void SelectPoint(int index);
    int SelectedPoint() const { return m_selected; }
    // The point drawn nearest to a pixel, within a few pixels, or −1.
    int PointAt(QPointF pixel) const;
    // What the last frame showed and how long it took to compose and paint, in milliseconds.
    const PlanScene& LastScene() const { return m_scene; }
    double LastFrameMilliseconds() const { return m_frameMs; }

signals:
    void PointPicked(int index);
    // The ground under the cursor (east, north), or nothing when the cursor left.
    void CursorMoved(double east, double north);
    void CursorLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    PlanData m_data;
    CPointGrid m_grid;
    CPlanFrame m_frame;
    PlanStyle m_style;
    GroundScale m_groundScale;
    PlanScene m_scene;
    int m_selected = -1;
    bool m_userMoved = false; // zoomed or panned since the last fit
    QPointF m_pressAt;
    QPointF m_lastDrag;
    bool m_dragging = false;
    double m_frameMs = 0;
    qint64 m_loadingRead = 0;
    qint64 m_loadingTotal = -1; // −1: not loading
};
