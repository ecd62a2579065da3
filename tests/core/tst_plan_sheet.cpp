#include "core/plan/label_placer.h"
#include "core/plan/plan_frame.h"
#include "core/plan/plan_marks.h"
#include "core/plan/plan_scene.h"
#include "core/plan/plan_sheet.h"
#include "core/plan/point_grid.h"

#include <QTest>

namespace
{
PlanData Named(const std::vector<std::tuple<double, double, QString>>& points)
{
    PlanData data;
    for (const auto& [east, north, name] : points)
    {
        PlanPoint point;
        point.east = east;
        point.north = north;
        point.name = name;
        data.Add(point);
    }
    return data;
}

bool Near(double a, double b, double within = 1e-9)
{
    return std::abs(a - b) <= within;
}

QStringList Texts(const std::vector<SceneLabel>& labels)
{
    QStringList texts;
    for (const SceneLabel& label : labels)
        texts << label.text;
    texts.sort();
    return texts;
}
} // namespace

class TestPlanSheet : public QObject
{
    Q_OBJECT

private slots:
    // A4 is 210 × 297 mm. Landscape with a title block: 10 mm margins leave 277 × 190 mm; the
    // block takes the lowest 16 mm and 3 mm lie between it and the map, so the map is
    // 277 × (190 − 19) = 277 × 171 mm from (10, 10), the block 277 × 16 mm from (10, 184).
    // A3 portrait is 297 × 420: without a block the map is the whole 277 × 400 mm inside.
    void sheetsAreLaidOutOnTheirPaper()
    {
        const PlanData job = Named({{0, 0, "A"}, {100, 50, "B"}});
        const SheetLayout a4 = LayOutSheet({PaperSize::A4, true, 1000, true}, job.bounds);
        QCOMPARE(a4.page, QSizeF(297, 210));
        QCOMPARE(a4.map, QRectF(10, 10, 277, 171));
        QCOMPARE(a4.title, QRectF(10, 184, 277, 16));

        const SheetLayout a3 = LayOutSheet({PaperSize::A3, false, 1000, false}, job.bounds);
        QCOMPARE(a3.page, QSizeF(297, 420));
        QCOMPARE(a3.map, QRectF(10, 10, 277, 400));
        QVERIFY(a3.title.isEmpty());
    }

    // A job 400 m east by 200 m north. At 1:1000 a metre is a millimetre: 400 × 200 mm, too
    // wide for the 277 mm of A4 landscape, but within A3 landscape's map of
    // (420 − 20) × (297 − 20 − 19) = 400 × 258 mm. At 1:2000 it is 200 × 100 mm and fits A4.
    void aScaleIsTrueOrSaysTheJobDoesNotFit()
    {
        const PlanData job = Named({{1000, 5000, "A"}, {1400, 5200, "B"}});
        const SheetLayout a4 = LayOutSheet({PaperSize::A4, true, 1000, true}, job.bounds);
        QCOMPARE(a4.scale, 1000);
        QCOMPARE(a4.needed, QSizeF(400, 200));
        QVERIFY(!a4.fits);
        const SheetLayout a3 = LayOutSheet({PaperSize::A3, true, 1000, true}, job.bounds);
        QCOMPARE(a3.map.size(), QSizeF(400, 258));
        QVERIFY(a3.fits);
        const SheetLayout half = LayOutSheet({PaperSize::A4, true, 2000, true}, job.bounds);
        QCOMPARE(half.needed, QSizeF(200, 100));
        QVERIFY(half.fits);

        // The sheet's frame draws a ground metre as 1000 / 1000 mm = 96 / 25.4 pixels, with the
        // middle of the job (E 1200, N 5100) in the middle of the map; 100 m east is 100 mm.
        const CPlanFrame frame = SheetFrame(a4, job.bounds);
        QVERIFY(Near(frame.PixelsPerMetre(), 96 / 25.4));
        const QPointF middle = frame.ToPixel(1200, 5100);
        QVERIFY(Near(middle.x(), 277 * 96 / 25.4 / 2, 1e-6));
        QVERIFY(Near(middle.y(), 171 * 96 / 25.4 / 2, 1e-6));
        const double mm = (frame.ToPixel(1300, 5100).x() - middle.x()) * 25.4 / 96;
        QVERIFY2(Near(mm, 100, 1e-6), qPrintable(QString::number(mm)));
        // North is up: 50 m north is 50 mm higher on the paper.
        QVERIFY(Near((middle.y() - frame.ToPixel(1200, 5150).y()) * 25.4 / 96, 50, 1e-6));
        // Coordinates in a unit of 2 ground metres: the same 100 units are 200 mm.
        const SheetLayout doubled = LayOutSheet({PaperSize::A4, true, 1000, true}, job.bounds, 2);
        QCOMPARE(doubled.needed, QSizeF(800, 400));
        QVERIFY(Near(SheetFrame(doubled, job.bounds, 2).PixelsPerMetre(), 2 * 96 / 25.4));
    }

    // Fitting takes the largest round scale (1, 2, 2.5 or 5 × 10^n) at which the job lies
    // within the map less 15 mm a side (clear of the scale bar and the north arrow). A4
    // landscape with a block leaves 247 × 141 mm: 400 m needs 1 : 400000/247 = 1 : 1619.4 and
    // 200 m 1 : 200000/141 = 1 : 1418.4, so 1:2000. Without the block 247 × 160 mm: the same
    // 1:2000. Portrait with a block, the map is 190 × 258 mm and 160 mm wide inside:
    // 400000/160 = 2500 → 1:2500 exactly, the job 160 × 80 mm.
    // A 3 m by 1 m job: 3000/247 = 12.1 → 1:20. One point: 1:1.
    void fittingChoosesTheLargestRoundScale()
    {
        const PlanData job = Named({{1000, 5000, "A"}, {1400, 5200, "B"}});
        QCOMPARE(LayOutSheet({PaperSize::A4, true, 0, true}, job.bounds).scale, 2000);
        QCOMPARE(LayOutSheet({PaperSize::A4, true, 0, false}, job.bounds).scale, 2000);
        const SheetLayout portrait = LayOutSheet({PaperSize::A4, false, 0, true}, job.bounds);
        QCOMPARE(portrait.map.size(), QSizeF(190, 258));
        QCOMPARE(portrait.scale, 2500);
        QVERIFY(portrait.fits);
        QCOMPARE(portrait.needed, QSizeF(160, 80));
        QCOMPARE(LayOutSheet({PaperSize::A4, true, 0, true}, Named({{0, 0, "A"}, {3, 1, "B"}}).bounds).scale, 20);
        QCOMPARE(LayOutSheet({PaperSize::A4, true, 0, true}, Named({{5, 5, "A"}}).bounds).scale, 1);
        QCOMPARE(ScaleText(2500), QStringLiteral("1:2500"));
    }

    // Twenty-one points within two metres and two far apart, fitted into 800 × 600 pixels at
    // about 0.8 px/m: the cluster is a few pixels wide. The screen names what fits; a file
    // names every point, each name clear of the others, those moved off their point joined
    // to it by a leader that ends on the name's box.
    void everyNameGoesOnAFileAndNoneOverlap()
    {
        std::vector<std::tuple<double, double, QString>> points{{0, 0, "FAR1"}, {900, 600, "FAR2"}};
        for (int i = 1; i <= 21; ++i)
            points.emplace_back(450 + (i % 7) * 0.3, 300 + (i / 7) * 0.3, QStringLiteral("P%1").arg(i));
        const PlanData data = Named(points);
        const CPointGrid grid(data);
        CPlanFrame frame({800, 600});
        frame.Fit(data.bounds);

        const PlanScene screen = ComposePlan(data, grid, frame, {});
        QVERIFY(screen.labels.size() < 10);
        QVERIFY(screen.leaders.empty());

        PlanStyle file;
        file.everyName = true;
        const PlanScene all = ComposePlan(data, grid, frame, file);
        QStringList expected;
        for (const auto& point : points)
            expected << std::get<2>(point);
        expected.sort();
        QCOMPARE(Texts(all.labels), expected);
        for (size_t i = 0; i < all.labels.size(); ++i)
            for (size_t j = i + 1; j < all.labels.size(); ++j)
                QVERIFY2(!LabelBox(all.labels[i], all.fontPixels).intersects(LabelBox(all.labels[j], all.fontPixels)),
                         qPrintable(all.labels[i].text + QLatin1Char('/') + all.labels[j].text));
        QVERIFY(!all.leaders.empty());
        const QPointF cluster = frame.ToPixel(451, 300.3);
        for (const SceneLine& leader : all.leaders)
        {
            QVERIFY(QLineF(leader.from, cluster).length() < 5); // from a point of the cluster
            bool onABox = false;
            for (const SceneLabel& label : all.labels)
                onABox = onABox || LabelBox(label, all.fontPixels).adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(leader.to);
            QVERIFY(onABox);
        }
    }

    // Names keep off the ground behind the scale bar and the north arrow, and keep a little
    // space between them so that two never read as one word.
    void namesKeepClearOfTheMarksAndOfEachOther()
    {
        // Points along the foot of the picture, where the scale bar stands, and in the top
        // right corner under the arrow.
        std::vector<LabelWish> wishes;
        for (int i = 0; i < 10; ++i)
            wishes.push_back({QPointF(15 + i * 20, 585), QStringLiteral("S%1").arg(i)});
        wishes.push_back({QPointF(770, 30), QStringLiteral("NORTH")});
        LabelRules rules;
        rules.everyName = true;
        rules.keepClear = PlanLook::MarkBackings({800, 600}, 100, 40, 12);
        const PlacedLabels placed = PlaceLabels(wishes, rules);
        QCOMPARE(placed.labels.size(), wishes.size());
        for (const SceneLabel& label : placed.labels)
            for (const QRectF& mark : rules.keepClear)
                QVERIFY2(!LabelBox(label, 12).intersects(mark), qPrintable(label.text));
        // Two names side by side: a gap of at least a fifth of the font size between them.
        const PlacedLabels pair = PlaceLabels({{QPointF(100, 100), "AAAA"}, {QPointF(130, 100), "BBBB"}}, rules);
        QCOMPARE(pair.labels.size(), size_t(2));
        const QRectF a = LabelBox(pair.labels[0], 12), b = LabelBox(pair.labels[1], 12);
        QVERIFY(!a.adjusted(-1.2, -0.5, 1.2, 0.5).intersects(b.adjusted(-1.2, -0.5, 1.2, 0.5)));
    }
};

QTEST_MAIN(TestPlanSheet)
#include "tst_plan_sheet.moc"
