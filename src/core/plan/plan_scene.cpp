#include "core/plan/plan_scene.h"

#include "core/plan/plan_texts.h"
#include "core/plan/point_grid.h"

#include <QHash>
#include <QRectF>

#include <cmath>
#include <numbers>

namespace
{
// More labels than this on one picture are mush at any size: names appear as one zooms in.
constexpr size_t MostLabelledPoints = 3000;
// A little room around the picture so that a symbol cut by the border is still drawn.
constexpr double Bleed = 8;
constexpr double LabelGap = 7; // clear of a symbol and of the selection ring

// The labels placed so far, bucketed by area so that a new one is checked only against
// its neighbours.
class CLabelSpace
{
public:
    bool Take(const QRectF& box)
    {
        const int x0 = Bucket(box.left()), x1 = Bucket(box.right());
        const int y0 = Bucket(box.top()), y1 = Bucket(box.bottom());
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                for (const QRectF& other : m_buckets.value(Key(x, y)))
                    if (other.intersects(box))
                        return false;
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                m_buckets[Key(x, y)].push_back(box);
        return true;
    }

private:
    static int Bucket(double pixel) { return int(std::floor(pixel / 64)); }
    static quint64 Key(int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); }
    QHash<quint64, QList<QRectF>> m_buckets;
};

bool Inside(const QPointF& at, const QSizeF& size, double bleed)
{
    return at.x() >= -bleed && at.y() >= -bleed && at.x() <= size.width() + bleed && at.y() <= size.height() + bleed;
}
} // namespace

double LabelWidth(const QString& text, double fontPixels)
{
    double width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x2E80 ? fontPixels : 0.62 * fontPixels;
    return width;
}

QString LabelOf(const PlanPoint& point, bool withCode)
{
    if (!withCode || point.code.isEmpty())
        return point.name;
    return point.name.isEmpty() ? point.code : point.name + QLatin1Char(' ') + point.code;
}

PlanScene ComposePlan(const PlanData& data, const CPointGrid& grid, const CPlanFrame& frame, const PlanStyle& style,
                      int selected)
{
    PlanScene scene;
    scene.size = frame.Size();
    scene.fontPixels = style.fontPixels;
    const double metresPerUnit = style.groundMetresPerUnit > 0 ? style.groundMetresPerUnit : 1;
    scene.scaleBar = ChooseScaleBar(frame.PixelsPerMetre() / metresPerUnit, std::max(40.0, scene.size.width() / 4));
    if (data.skipped > 0)
        scene.notes << PlanTexts::SkippedPoints(data.skipped);
    if (data.points.empty())
    {
        scene.centreMessage = PlanTexts::NoPoints;
        return scene;
    }

    const int width = std::max(1, int(std::ceil(scene.size.width())));
    const int height = std::max(1, int(std::ceil(scene.size.height())));
    std::vector<quint8> taken(size_t(width) * size_t(height), 0);
    // The label candidates; once there are too many for labels, only counted.
    std::vector<int> visible;
    size_t visibleCount = 0;
    const double bleed = Bleed / frame.PixelsPerMetre();
    const QRectF ground = frame.VisibleGround().adjusted(-bleed, -bleed, bleed, bleed);
    grid.VisitNear(ground, [&](const CPointGrid::Slot& slot) {
        const QPointF at = frame.ToPixel(slot.east, slot.north);
        if (!Inside(at, scene.size, Bleed))
            return;
        if (++visibleCount <= MostLabelledPoints)
            visible.push_back(slot.index);
        if (slot.role != PlanRole::Point)
        {
            scene.symbols.push_back({at, slot.role});
            return;
        }
        // Many points on one pixel are drawn once: the picture is the same and far cheaper.
        const int x = int(at.x()), y = int(at.y());
        if (x >= 0 && y >= 0 && x < width && y < height)
        {
            quint8& pixel = taken[size_t(y) * size_t(width) + size_t(x)];
            if (pixel)
                return;
            pixel = 1;
        }
        scene.dots.push_back(at);
    });

    const QRectF screen(QPointF(-Bleed, -Bleed), scene.size + QSizeF(2 * Bleed, 2 * Bleed));
    for (const PlanSight& sight : data.sights)
    {
        const PlanPoint& station = data.points[size_t(sight.station)];
        const PlanPoint& target = data.points[size_t(sight.target)];
        const QPointF from = frame.ToPixel(station.east, station.north);
        const QPointF to = frame.ToPixel(target.east, target.north);
        if (QRectF(from, to).normalized().adjusted(-1, -1, 1, 1).intersects(screen))
            scene.sights.push_back({from, to});
    }

    if (data.exaggeration > 0)
    {
        scene.notes << (data.misclosure ? PlanTexts::MisclosureExaggeration(data.exaggeration)
                                        : PlanTexts::Exaggeration(data.exaggeration));
        const double pixels = data.exaggeration * frame.PixelsPerMetre();
        for (const PlanEllipse& ellipse : data.ellipses)
        {
            const QPointF at = frame.ToPixel(ellipse.east, ellipse.north);
            const double reach = ellipse.major * pixels;
            if (QRectF(at, at).adjusted(-reach - 1, -reach - 1, reach + 1, reach + 1).intersects(screen))
                scene.ellipses.push_back({at, reach, ellipse.minor * pixels, ellipse.azimuth * 180.0 / std::numbers::pi});
        }
        for (const PlanVector& vector : data.residuals)
        {
            const QPointF from = frame.ToPixel(vector.east, vector.north);
            const QPointF to = from + QPointF(vector.toEast * pixels, -vector.toNorth * pixels);
            if (QRectF(from, to).normalized().adjusted(-1, -1, 1, 1).intersects(screen))
                scene.residuals.push_back({from, to});
        }
    }

    if (selected >= 0 && size_t(selected) < data.points.size())
        scene.selected = frame.ToPixel(data.points[size_t(selected)].east, data.points[size_t(selected)].north);

    if (style.names && visibleCount <= MostLabelledPoints)
    {
        // The job's stations and points first, then the list in its order, so that the same
        // picture always labels the same points.
        std::stable_sort(visible.begin(), visible.end(), [&data](int a, int b) {
            const bool jobA = data.points[size_t(a)].role != PlanRole::Point;
            const bool jobB = data.points[size_t(b)].role != PlanRole::Point;
            return jobA != jobB ? jobA : a < b;
        });
        CLabelSpace space;
        const double textHeight = style.fontPixels * 1.25;
        for (const int index : visible)
        {
            const PlanPoint& point = data.points[size_t(index)];
            const QString text = LabelOf(point, style.codes);
            if (text.isEmpty())
                continue;
            const QPointF at = frame.ToPixel(point.east, point.north) + QPointF(LabelGap, -LabelGap);
            const QRectF box(at.x(), at.y() - textHeight, LabelWidth(text, style.fontPixels), textHeight);
            if (space.Take(box))
                scene.labels.push_back({at, text});
        }
    }
    return scene;
}
