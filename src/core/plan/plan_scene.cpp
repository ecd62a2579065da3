#include "core/plan/plan_scene.h"

#include "core/plan/label_placer.h"
#include "core/plan/plan_marks.h"
#include "core/plan/plan_texts.h"
#include "core/plan/point_grid.h"

#include <QRectF>

#include <cmath>
#include <numbers>

namespace
{
// More labels than this on one picture are mush at any size: names appear as one zooms in.
constexpr size_t MostLabelledPoints = 3000;
// A little room around the picture so that a symbol cut by the border is still drawn.
constexpr double Bleed = 8;

bool Inside(const QPointF& at, const QSizeF& size, double bleed)
{
    return at.x() >= -bleed && at.y() >= -bleed && at.x() <= size.width() + bleed && at.y() <= size.height() + bleed;
}
} // namespace

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
        scene.notes << PlanTexts::SkippedPoints.Counted(data.skipped);
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
        if (++visibleCount <= MostLabelledPoints || style.everyName)
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

    const bool hasSelected = selected >= 0 && size_t(selected) < data.points.size();
    if (hasSelected)
        scene.selected = frame.ToPixel(data.points[size_t(selected)].east, data.points[size_t(selected)].north);

    // The point the user picked is named first, so that the others make room for it.
    std::optional<QRectF> selectedBox;
    if (style.names && hasSelected)
    {
        const QString text = LabelOf(data.points[size_t(selected)], style.codes);
        if (!text.isEmpty())
        {
            const QPointF at = *scene.selected + QPointF(LabelGap, -LabelGap);
            scene.selectedLabel = SceneLabel{at, text};
            selectedBox = LabelBox(*scene.selectedLabel, style.fontPixels);
        }
    }

    if (style.names && (style.everyName || visibleCount <= MostLabelledPoints))
    {
        // The job's stations and points first, then the list in its order, so that the same
        // picture always labels the same points.
        std::stable_sort(visible.begin(), visible.end(), [&data](int a, int b) {
            const bool jobA = data.points[size_t(a)].role != PlanRole::Point;
            const bool jobB = data.points[size_t(b)].role != PlanRole::Point;
            return jobA != jobB ? jobA : a < b;
        });
        std::vector<LabelWish> wishes;
        wishes.reserve(visible.size());
        for (const int index : visible)
        {
            if (hasSelected && index == selected && selectedBox)
                continue;
            const PlanPoint& point = data.points[size_t(index)];
            wishes.push_back({frame.ToPixel(point.east, point.north), LabelOf(point, style.codes)});
        }
        LabelRules rules;
        rules.fontPixels = style.fontPixels;
        rules.everyName = style.everyName;
        if (selectedBox)
            rules.named.push_back(*selectedBox);
        // Names keep off the north arrow, the scale bar and the notes (on the screen where
        // they can), and a file's stay inside the picture.
        if (style.everyName)
            rules.within = QRectF(QPointF(0, 0), scene.size);
        rules.keepClear = PlanLook::MarkBackings(scene.size, scene.scaleBar.pixels,
                                                 LabelWidth(scene.scaleBar.Text(), style.fontPixels), style.fontPixels);
        for (qsizetype i = 0; i < scene.notes.size(); ++i)
        {
            const QPointF at = PlanLook::NoteAt(int(i), style.fontPixels);
            rules.keepClear.push_back(QRectF(at.x(), at.y() - style.fontPixels * 1.25,
                                             LabelWidth(scene.notes[i], style.fontPixels), style.fontPixels * 1.4));
        }
        PlacedLabels placed = PlaceLabels(wishes, rules);
        scene.labels = std::move(placed.labels);
        scene.leaders = std::move(placed.leaders);
    }
    return scene;
}
