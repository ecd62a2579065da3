#include "gui/plan/plan_canvas.h"

#include "gui/plan/plan_view_texts.h"
#include "plot/plan_painter.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace
{
constexpr double PickRadius = 8;   // pixels
constexpr double DragThreshold = 4; // pixels: less is a click
constexpr double WheelStep = 1.25; // zoom factor of one wheel notch
} // namespace

CPlanCanvas::CPlanCanvas(QWidget* parent) : QWidget(parent), m_frame(size())
{
    setObjectName(QStringLiteral("planCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setCursor(Qt::CrossCursor);
}

void CPlanCanvas::SetData(PlanData data, CPointGrid grid, bool fit)
{
    m_data = std::move(data);
    m_grid = std::move(grid);
    m_selected = -1;
    if (fit || !m_userMoved)
        FitAll();
    update();
}

void CPlanCanvas::ShowLoading(qint64 read, qint64 total)
{
    m_loadingRead = read;
    m_loadingTotal = std::max<qint64>(total, 0);
    update();
}

void CPlanCanvas::EndLoading()
{
    m_loadingTotal = -1;
    update();
}

void CPlanCanvas::SetGroundScale(GroundScale scale)
{
    m_groundScale = std::move(scale);
    update();
}

void CPlanCanvas::FitAll()
{
    m_frame.SetSize(size());
    m_frame.Fit(m_data.bounds);
    m_userMoved = false;
    update();
}

void CPlanCanvas::ZoomAround(QPointF pixel, double factor)
{
    m_frame.ZoomAround(pixel, factor);
    m_userMoved = true;
    update();
}

void CPlanCanvas::PanBy(QPointF delta)
{
    m_frame.PanBy(delta);
    m_userMoved = true;
    update();
}

void CPlanCanvas::SelectPoint(int index)
{
    m_selected = index >= 0 && size_t(index) < m_data.points.size() ? index : -1;
    if (m_selected >= 0)
    {
        const PlanPoint& point = m_data.points[size_t(m_selected)];
        if (!QRectF(QPointF(0, 0), QSizeF(size())).contains(m_frame.ToPixel(point.east, point.north)))
        {
            m_frame.CentreOn(point.east, point.north);
            m_userMoved = true;
        }
    }
    update();
}

int CPlanCanvas::PointAt(QPointF pixel) const
{
    const double reach = PickRadius / m_frame.PixelsPerMetre();
    const QPointF ground = m_frame.ToGround(pixel);
    const QRectF around(ground.x() - reach, ground.y() - reach, 2 * reach, 2 * reach);
    int best = -1;
    double bestDistance = PickRadius * PickRadius;
    for (const int index : m_grid.PointsNear(around))
    {
        const PlanPoint& point = m_data.points[size_t(index)];
        const QPointF d = m_frame.ToPixel(point.east, point.north) - pixel;
        const double distance = d.x() * d.x() + d.y() * d.y();
        // Among points on the same spot the job's symbols win, then the earlier row.
        const bool better = distance < bestDistance ||
                            (distance == bestDistance && best >= 0 && point.role != PlanRole::Point &&
                             m_data.points[size_t(best)].role == PlanRole::Point);
        if (better)
        {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

void CPlanCanvas::paintEvent(QPaintEvent*)
{
    QElapsedTimer timer;
    timer.start();
    // The scale bar measures the ground where the picture is.
    m_style.groundMetresPerUnit = 1;
    if (m_groundScale)
        m_style.groundMetresPerUnit = m_groundScale(m_frame.CentreNorth(), m_frame.CentreEast()).value_or(1.0);
    m_scene = ComposePlan(m_data, m_grid, m_frame, m_style, m_selected);
    if (IsLoading())
    {
        const QString loading = PlanViewTexts::Loading(m_loadingRead, m_loadingTotal);
        if (m_data.points.empty())
            m_scene.centreMessage = loading;
        else
            m_scene.notes.prepend(loading);
    }
    QPainter painter(this);
    PaintPlan(painter, m_scene);
    m_frameMs = double(timer.nsecsElapsed()) / 1e6;
}

void CPlanCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Until the user moves the picture, it keeps showing everything.
    if (!m_userMoved)
        FitAll();
    else
        m_frame.SetSize(size());
}

void CPlanCanvas::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        ZoomAround(event->position(), std::pow(WheelStep, notches));
    event->accept();
}

void CPlanCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressAt = m_lastDrag = event->position();
    m_dragging = false;
}

void CPlanCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF ground = m_frame.ToGround(event->position());
    emit CursorMoved(ground.x(), ground.y());
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF moved = event->position() - m_pressAt;
    if (!m_dragging && std::hypot(moved.x(), moved.y()) < DragThreshold)
        return;
    m_dragging = true;
    setCursor(Qt::ClosedHandCursor);
    PanBy(event->position() - m_lastDrag);
    m_lastDrag = event->position();
}

void CPlanCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    setCursor(Qt::CrossCursor);
    if (m_dragging)
    {
        m_dragging = false;
        return;
    }
    const int index = PointAt(event->position());
    m_selected = index;
    update();
    emit PointPicked(index);
}

void CPlanCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus)
        return ZoomAround(QPointF(width() / 2.0, height() / 2.0),
                          event->key() == Qt::Key_Plus ? WheelStep : 1 / WheelStep);
    QWidget::keyPressEvent(event);
}

void CPlanCanvas::leaveEvent(QEvent* event)
{
    emit CursorLeft();
    QWidget::leaveEvent(event);
}
