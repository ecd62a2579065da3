#include "core/plan/label_placer.h"

#include <QHash>
#include <QList>

#include <array>
#include <cmath>
#include <numbers>

namespace
{
constexpr double MarkReach = 4;      // half the side of the square a point's mark covers
constexpr double SideSpace = 0.2;    // of the font size, kept free left and right of a name
constexpr double LineSpace = 0.08;   // and above and below it
constexpr int Rings = 5;             // how far (in text lines) a crowded name may move
// Beyond this many names, looking for room costs more than it gives: every name goes to its
// usual place, on top of its neighbours if need be.
constexpr size_t MostSearchedNames = 20000;
// A bucket holding more than this is a heap of names on top of one another: no room is
// looked for in it (which keeps a dense heap from costing the square of its size).
constexpr qsizetype CrowdedBucket = 64;
constexpr double BucketSide = 64;

// The boxes taken so far, bucketed by area so that a new one is checked only against its
// neighbours.
class CLabelSpace
{
public:
    bool IsFree(const QRectF& box) const
    {
        bool free = true;
        Visit(box, [&](const QList<QRectF>* bucket) {
            if (!free || !bucket)
                return;
            if (bucket->size() > CrowdedBucket)
            {
                free = false;
                return;
            }
            for (const QRectF& other : *bucket)
                if (other.intersects(box))
                {
                    free = false;
                    return;
                }
        });
        return free;
    }

    void Take(const QRectF& box)
    {
        const int x0 = Bucket(box.left()), x1 = Bucket(box.right());
        const int y0 = Bucket(box.top()), y1 = Bucket(box.bottom());
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                m_buckets[Key(x, y)].push_back(box);
    }

private:
    template <typename Visitor>
    void Visit(const QRectF& box, Visitor visit) const
    {
        const int x0 = Bucket(box.left()), x1 = Bucket(box.right());
        const int y0 = Bucket(box.top()), y1 = Bucket(box.bottom());
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
            {
                const auto found = m_buckets.constFind(Key(x, y));
                visit(found == m_buckets.cend() ? nullptr : &found.value());
            }
    }
    static int Bucket(double pixel) { return int(std::floor(pixel / BucketSide)); }
    static quint64 Key(int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); }
    QHash<quint64, QList<QRectF>> m_buckets;
};

double TextHeight(double fontPixels)
{
    return fontPixels * 1.25;
}

// The places beside a point, best first: above right (where a surveyor looks first), then
// the other corners and sides. Each is the name's box for a text `size` large.
std::array<QRectF, 8> PlacesBeside(QPointF p, QSizeF size)
{
    const double w = size.width(), h = size.height(), g = LabelGap;
    return {QRectF(p.x() + g, p.y() - g - h, w, h), QRectF(p.x() + g, p.y() + g, w, h),
            QRectF(p.x() - g - w, p.y() - g - h, w, h), QRectF(p.x() - g - w, p.y() + g, w, h),
            QRectF(p.x() + g, p.y() - h / 2, w, h), QRectF(p.x() - g - w, p.y() - h / 2, w, h),
            QRectF(p.x() - w / 2, p.y() - g - h, w, h), QRectF(p.x() - w / 2, p.y() + g, w, h)};
}

// A box whose nearest side or corner to the point lies `reach` away in direction `angle`
// (counter-clockwise from east, as on a map).
QRectF PlaceAway(QPointF p, QSizeF size, double reach, double angle)
{
    const double dx = std::cos(angle), dy = -std::sin(angle);
    const QPointF q = p + QPointF(dx, dy) * reach;
    const double w = size.width(), h = size.height();
    const double left = dx > 0.3 ? q.x() : dx < -0.3 ? q.x() - w : q.x() - w / 2;
    const double top = dy > 0.3 ? q.y() : dy < -0.3 ? q.y() - h : q.y() - h / 2;
    return {left, top, w, h};
}

QPointF NearestOnBox(QPointF p, const QRectF& box)
{
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

QRectF Spaced(const QRectF& box, double fontPixels)
{
    const double side = SideSpace * fontPixels, line = LineSpace * fontPixels;
    return box.adjusted(-side, -line, side, line);
}

SceneLabel LabelIn(const QRectF& box, const QString& text)
{
    return {box.bottomLeft(), text};
}
} // namespace

QRectF LabelBox(const SceneLabel& label, double fontPixels)
{
    const double h = TextHeight(fontPixels);
    return {label.at.x(), label.at.y() - h, LabelWidth(label.text, fontPixels), h};
}

PlacedLabels PlaceLabels(const std::vector<LabelWish>& wishes, const LabelRules& rules)
{
    PlacedLabels placed;
    const double font = rules.fontPixels;
    const double h = TextHeight(font);
    // A heap too large to search: every name in its usual place.
    if (rules.everyName && wishes.size() > MostSearchedNames)
    {
        for (const LabelWish& wish : wishes)
            if (!wish.text.isEmpty())
                placed.labels.push_back(LabelIn(PlacesBeside(wish.point, {LabelWidth(wish.text, font), h})[0], wish.text));
        return placed;
    }

    CLabelSpace space; // the points' marks and the names placed
    CLabelSpace marks; // the north arrow, the scale bar, the notes
    for (const QRectF& clear : rules.keepClear)
        marks.Take(clear);
    for (const QRectF& name : rules.named)
        space.Take(Spaced(name, rules.fontPixels));
    for (const LabelWish& wish : wishes)
        space.Take(QRectF(wish.point - QPointF(MarkReach, MarkReach), QSizeF(2 * MarkReach, 2 * MarkReach)));

    const auto tryBox = [&](const QRectF& box) {
        if (!rules.within.isEmpty() && !rules.within.contains(box))
            return false;
        const QRectF spaced = Spaced(box, font);
        if (!space.IsFree(spaced) || !marks.IsFree(box))
            return false;
        space.Take(spaced);
        return true;
    };
    for (const LabelWish& wish : wishes)
    {
        if (wish.text.isEmpty())
            continue;
        const QSizeF size(LabelWidth(wish.text, font), h);
        const std::array<QRectF, 8> beside = PlacesBeside(wish.point, size);
        if (!rules.everyName)
        {
            // On the screen a name stays where the eye expects it, or gives way to its
            // neighbour's and waits for a nearer view; only the marks push it to another
            // corner, and where none is free it passes under their half-clear ground.
            const QRectF usual = Spaced(beside[0], font);
            if (!space.IsFree(usual))
                continue;
            QRectF chosen = beside[0];
            for (int corner = 0; corner < 4; ++corner)
                if (space.IsFree(Spaced(beside[corner], font)) && marks.IsFree(beside[corner]))
                {
                    chosen = beside[corner];
                    break;
                }
            space.Take(Spaced(chosen, font));
            placed.labels.push_back(LabelIn(chosen, wish.text));
            continue;
        }
        bool done = false;
        for (const QRectF& box : beside)
            if (tryBox(box))
            {
                placed.labels.push_back(LabelIn(box, wish.text));
                done = true;
                break;
            }
        for (int ring = 1; ring <= Rings && !done; ++ring)
        {
            const double reach = LabelGap + ring * h;
            // Farther rings are longer: they look in more directions.
            const int steps = ring == 1 ? 8 : 16;
            for (int step = 0; step < steps && !done; ++step)
            {
                const double angle = std::numbers::pi / 4 + step * 2 * std::numbers::pi / steps;
                const QRectF box = PlaceAway(wish.point, size, reach, angle);
                if (!tryBox(box))
                    continue;
                placed.labels.push_back(LabelIn(box, wish.text));
                placed.leaders.push_back({wish.point, NearestOnBox(wish.point, box)});
                done = true;
            }
        }
        if (!done)
        {
            // No room anywhere near: the name still belongs on the drawing, inside it.
            QRectF box = beside[0];
            if (!rules.within.isEmpty())
                box.moveTo(std::clamp(box.left(), rules.within.left(), std::max(rules.within.left(), rules.within.right() - box.width())),
                           std::clamp(box.top(), rules.within.top(), std::max(rules.within.top(), rules.within.bottom() - box.height())));
            space.Take(Spaced(box, font));
            placed.labels.push_back(LabelIn(box, wish.text));
        }
    }
    return placed;
}
