#include "core/plan/dxf_export.h"
#include "core/plan/plan_data.h"
#include "core/plan/plan_frame.h"
#include "core/plan/plan_scene.h"
#include "core/plan/plan_svg.h"
#include "core/plan/plan_texts.h"
#include "core/plan/point_grid.h"
#include "core/views/data_kind.h"
#include "test_database.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>
#include <QXmlStreamReader>

#include <numbers>

namespace
{
PlanPoint At(double east, double north, const QString& name = {}, PlanRole role = PlanRole::Point)
{
    PlanPoint point;
    point.east = east;
    point.north = north;
    point.name = name;
    point.role = role;
    return point;
}

PlanData Points(std::initializer_list<PlanPoint> points)
{
    PlanData data;
    for (const PlanPoint& point : points)
        data.Add(point);
    return data;
}

CPlanFrame Fitted(const PlanData& data, QSizeF size = {440, 340}, double margin = 20)
{
    CPlanFrame frame(size);
    frame.Fit(data.bounds, margin);
    return frame;
}

bool SamePixel(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

QString Describe(const PlanPoint& point)
{
    static const char* roles[] = {"point", "station", "observed", "entered"};
    return QStringLiteral("%1 %2 %3 %4 row %5")
        .arg(roles[int(point.role)], point.name, QString::number(point.east, 'g', 12),
             QString::number(point.north, 'g', 12))
        .arg(point.listRow);
}

QStringList Described(const PlanData& data)
{
    QStringList lines;
    for (const PlanPoint& point : data.points)
        lines << Describe(point);
    return lines;
}
} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    // A coordinate read from its stored bytes is the number its text reads as, for every form a
    // list may hold: blanks around it, a sign, an exponent, nothing, no number, no finite number,
    // one beyond any coordinate, and digits or blanks beyond ASCII.
    void storedCoordinatesReadAsTheirTexts()
    {
        const QStringList texts = {QStringLiteral(" 12.5 "), QStringLiteral("+5"), QStringLiteral("-0"),
                                   QStringLiteral("1e3"), QStringLiteral("\t3\n"), QStringLiteral(".5"),
                                   QStringLiteral("4207498.019"), QStringLiteral(""), QStringLiteral("abc"),
                                   QStringLiteral("1,5"), QStringLiteral("+-1"), QStringLiteral("--1"),
                                   QStringLiteral("inf"), QStringLiteral("nan"), QStringLiteral("1e400"),
                                   QStringLiteral("2e20"), QStringLiteral("\u3000" "7\u3000"),
                                   QStringLiteral("\uff11\uff12"), QStringLiteral("12abc"), QStringLiteral("0x10")};
        for (const QString& text : texts)
            QVERIFY2(StoredCoordinateValue(text.toUtf8()) == CoordinateValue(text), qPrintable(text));
        QCOMPARE(StoredCoordinateValue(QByteArrayView(" -1234.5678 ")), std::optional(-1234.5678));
        QCOMPARE(StoredCoordinateValue(QByteArrayView("+5")), std::optional(5.0));
        QCOMPARE(StoredCoordinateValue(QByteArrayView("")), std::nullopt);
    }
    // A 200 m by 100 m survey in 400 by 300 usable pixels: the east extent decides, 2 px/m,
    // and north is up.
    void fitShowsEverythingNorthUpAtOneScale()
    {
        const PlanData data = Points({At(1000, 5000), At(1200, 5100)});
        const CPlanFrame frame = Fitted(data);
        QCOMPARE(frame.PixelsPerMetre(), 2.0);
        QVERIFY(SamePixel(frame.ToPixel(1000, 5000), {20, 270}));
        QVERIFY(SamePixel(frame.ToPixel(1200, 5100), {420, 70}));
        QVERIFY(SamePixel(frame.ToGround({220, 170}), {1100, 5050}));
    }

    void degeneratePlansStillGetAFiniteScale()
    {
        // One point: a 10 m square around it.
        const CPlanFrame one = Fitted(Points({At(500, 700)}));
        QCOMPARE(one.PixelsPerMetre(), 30.0);
        QVERIFY(SamePixel(one.ToPixel(500, 700), {220, 170}));

        // A line due north: its length alone decides.
        const CPlanFrame line = Fitted(Points({At(100, 0), At(100, 150), At(100, 300)}));
        QCOMPARE(line.PixelsPerMetre(), 1.0);
        QVERIFY(SamePixel(line.ToPixel(100, 0), {220, 320}));

        // Two points a centimetre apart at 10^7 m: the nearest scale is 10^4 px/m, and they
        // are still 100 pixels apart, not rounded onto each other.
        const CPlanFrame far = Fitted(Points({At(10000000.000, 20000000), At(10000000.010, 20000000)}));
        QCOMPARE(far.PixelsPerMetre(), 1e4);
        QVERIFY(std::abs(far.ToPixel(10000000.000, 20000000).x() - 170) < 1e-3);
        QVERIFY(std::abs(far.ToPixel(10000000.010, 20000000).x() - 270) < 1e-3);

        // Nothing at all: a harmless frame, and the picture says so.
        PlanData empty;
        const CPlanFrame none = Fitted(empty);
        QCOMPARE(none.PixelsPerMetre(), 1.0);
        const PlanScene scene = ComposePlan(empty, CPointGrid(empty), none, {});
        QCOMPARE(scene.centreMessage, PlanTexts::NoPoints);
        QVERIFY(scene.dots.empty());
    }

    void zoomKeepsTheGroundUnderTheCursorAndPanFollowsTheDrag()
    {
        CPlanFrame frame = Fitted(Points({At(1000, 5000), At(1200, 5100)}));
        const QPointF cursor(100, 50);
        const QPointF before = frame.ToGround(cursor);
        frame.ZoomAround(cursor, 2);
        QCOMPARE(frame.PixelsPerMetre(), 4.0);
        QVERIFY(SamePixel(frame.ToGround(cursor), before));
        // Dragging 40 px right and 20 px down moves the ground with the hand: 10 m west, 5 m north of it shows.
        frame.PanBy({40, 20});
        QVERIFY(SamePixel(frame.ToGround(cursor), before - QPointF(10, -5)));
    }

    void scaleBarIsARoundLength()
    {
        // 400 px at 2 px/m hold 200 m: 200 m is 2 × 10^2.
        QCOMPARE(ChooseScaleBar(2, 400).metres, 200.0);
        QCOMPARE(ChooseScaleBar(2, 400).pixels, 400.0);
        // 400 px at 0.01 px/m hold 40 km: 50 km is too long, 20 km fits.
        QCOMPARE(ChooseScaleBar(0.01, 400).Text(), QStringLiteral("20 km"));
        // 100 px at 150 px/m hold 0.667 m: 0.5 m.
        QCOMPARE(ChooseScaleBar(150, 100).Text(), QStringLiteral("0.5 m"));
    }

    void gridFindsEveryPointOfARectangle()
    {
        PlanData data;
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i)
            data.Add(At(random.bounded(1000.0), random.bounded(500.0)));
        data.Add(At(1000, 500)); // on the far corner
        const CPointGrid grid(data);
        for (const QRectF& ground : {QRectF(100, 100, 50, 20), QRectF(990, 490, 20, 20), QRectF(-10, -10, 5, 5),
                                     QRectF(-100, -100, 2000, 2000)})
        {
            std::vector<int> found = grid.PointsNear(ground);
            std::sort(found.begin(), found.end());
            for (size_t i = 0; i < data.points.size(); ++i)
            {
                const PlanPoint& point = data.points[i];
                if (point.east >= ground.left() && point.east <= ground.right() && point.north >= ground.top() &&
                    point.north <= ground.bottom())
                    QVERIFY2(std::binary_search(found.begin(), found.end(), int(i)), qPrintable(Describe(point)));
            }
        }
        QCOMPARE(grid.PointsNear(QRectF(-100, -100, 2000, 2000)).size(), data.points.size());
    }

    void pictureDrawsEachPixelOnceAndOnlyWhatIsVisible()
    {
        PlanData data;
        for (int i = 0; i < 1000; ++i)
            data.Add(At(10, 10));
        data.Add(At(20, 20));
        CPlanFrame frame = Fitted(data);
        PlanScene scene = ComposePlan(data, CPointGrid(data), frame, {});
        QCOMPARE(scene.dots.size(), size_t(2));

        // Zoomed onto the first spot, the other lies outside and is culled.
        frame.CentreOn(10, 10);
        frame.ZoomAround({220, 170}, 100);
        scene = ComposePlan(data, CPointGrid(data), frame, {});
        QCOMPARE(scene.dots.size(), size_t(1));
        QVERIFY(SamePixel(scene.dots.front(), {220, 170}));
    }

    void labelsAppearAsOneZoomsInAndNeverOverlap()
    {
        PlanData data;
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 50; ++y)
                data.Add(At(x, y, QStringLiteral("P%1-%2").arg(x).arg(y)));
        const CPointGrid grid(data);
        CPlanFrame frame = Fitted(data, {800, 600});
        QVERIFY(ComposePlan(data, grid, frame, {}).labels.empty()); // 5000 names at once: none

        frame.ZoomAround({400, 300}, 10);
        const PlanScene near = ComposePlan(data, grid, frame, {});
        QVERIFY(!near.labels.empty());
        for (size_t i = 0; i < near.labels.size(); ++i)
            for (size_t j = i + 1; j < near.labels.size(); ++j)
            {
                const auto box = [&near](const SceneLabel& label) {
                    const double height = near.fontPixels * 1.25;
                    return QRectF(label.at.x(), label.at.y() - height, LabelWidth(label.text, near.fontPixels), height);
                };
                QVERIFY(!box(near.labels[i]).intersects(box(near.labels[j])));
            }

        PlanStyle hidden;
        hidden.names = false;
        QVERIFY(ComposePlan(data, grid, frame, hidden).labels.empty());
    }

    void labelsOfCloseNeighboursGiveWayAndCodesFollowOnRequest()
    {
        PlanData data = Points({At(0, 0, "P1"), At(0.5, 0, "P2"), At(100, 100, "P3")});
        data.points[2].code = QStringLiteral("树");
        const CPlanFrame frame = Fitted(data); // about 3 px/m: P1 and P2 share a pixel or two
        PlanStyle style;
        style.codes = true;
        const PlanScene scene = ComposePlan(data, CPointGrid(data), frame, style);
        QStringList texts;
        for (const SceneLabel& label : scene.labels)
            texts << label.text;
        QCOMPARE(texts, QStringList({"P1", "P3 树"}));
        QCOMPARE(LabelWidth(QStringLiteral("P3 树"), 10), 3 * 6.2 + 10);
    }

    // The point the user picked is named whatever it overlaps, even among too many names to
    // show, and its neighbours give way to it rather than it to them.
    void selectedPointIsAlwaysNamed()
    {
        PlanData data = Points({At(0, 0, "P1"), At(0.5, 0, "P2"), At(100, 100, "P3")});
        const CPlanFrame frame = Fitted(data);
        const PlanScene scene = ComposePlan(data, CPointGrid(data), frame, {}, 1);
        QVERIFY(scene.selectedLabel);
        QCOMPARE(scene.selectedLabel->text, QStringLiteral("P2"));
        QStringList texts;
        for (const SceneLabel& label : scene.labels)
            texts << label.text;
        QCOMPARE(texts, QStringList({"P3"})); // P1 shares P2's place: it gives way
        QVERIFY(!ComposePlan(data, CPointGrid(data), frame, {}, -1).selectedLabel);

        PlanData dense;
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 50; ++y)
                dense.Add(At(x, y, QStringLiteral("P%1-%2").arg(x).arg(y)));
        const PlanScene crowded = ComposePlan(dense, CPointGrid(dense), Fitted(dense, {800, 600}), {}, 77);
        QVERIFY(crowded.labels.empty());
        QVERIFY(crowded.selectedLabel);
        QCOMPARE(crowded.selectedLabel->text, QStringLiteral("P1-27")); // x = 77 / 50, y = 77 % 50
        PlanStyle hidden;
        hidden.names = false;
        QVERIFY(!ComposePlan(dense, CPointGrid(dense), Fitted(dense, {800, 600}), hidden, 77).selectedLabel);
    }

    void svgCarriesTheNamesAsText()
    {
        PlanData data = Points({At(0, 0, "P1"), At(100, 50, "北门")});
        data.skipped = 2;
        const PlanScene scene = ComposePlan(data, CPointGrid(data), Fitted(data, {640, 480}), {});
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WritePlanSvg(scene, buffer);

        QXmlStreamReader xml(buffer.data());
        QStringList texts;
        int circles = 0;
        QString width;
        while (!xml.atEnd())
        {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("svg"))
                width = xml.attributes().value("width").toString() + "x" + xml.attributes().value("height").toString();
            else if (xml.name() == QLatin1String("circle"))
                ++circles;
            else if (xml.name() == QLatin1String("text"))
                texts << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(width, QStringLiteral("640.00x480.00"));
        QCOMPARE(circles, 2);
        QVERIFY(texts.contains("P1"));
        QVERIFY(texts.contains("北门"));
        QVERIFY(texts.contains(PlanTexts::SkippedPoints.Counted(2)));
        QVERIFY(texts.contains(QStringLiteral("N"))); // the north arrow's letter
        QVERIFY(texts.contains(scene.scaleBar.Text()));
    }

    void coordinateListGivesItsDrawablePointsAndCountsTheRest()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('1','A','P1','100.5','200.25','10',' TREE ')",
                "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('2','A','P2','abc','300','','')",
                "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('3','A','P3','','','','')",
                "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values('4','A','P4',' 150 ','250','x','')"});
        const PlanData listed = ReadPlanData(db.Store(), DataKind::Coor);
        QCOMPARE(Described(listed), QStringList({"point P1 200.25 100.5 row 0", "point P4 250 150 row 3"}));
        QCOMPARE(listed.skipped, 2);
        QCOMPARE(listed.points[0].code, QStringLiteral("TREE"));
        QCOMPARE(listed.points[0].height, 10.0);
        QCOMPARE(listed.points[1].height, 0.0);
        // Shown beside another list, the points carry no row.
        QCOMPARE(ReadPlanData(db.Store(), DataKind::Code).points[0].listRow, -1);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    // A long reading shows its watch the points read so far, step by step, with the rows read;
    // told to stop, it stops at once.
    void readingIsWatchedAndCanStop()
    {
        CTestDatabase db;
        QStringList statements{"begin"};
        const int rows = 2 * int(PlanReadWatch::Rows) + 100;
        for (int i = 1; i <= rows; ++i)
            statements << QStringLiteral("insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(%1,'A','P%1','%1','%1','0','')").arg(i);
        statements << "commit";
        db.Run(statements);
        QCOMPARE(PlanRowsToRead(db.Store(), DataKind::Coor), std::optional<qint64>(rows));
        QCOMPARE(PlanRowsToRead(db.Store(), DataKind::Meas), std::optional<qint64>(rows)); // and no job

        QList<qint64> seen;
        PlanReadWatch watch;
        watch.onStep = [&](const PlanData& soFar, qint64 read) {
            seen << read;
            return qint64(soFar.points.size()) == read; // every row so far is a point
        };
        const PlanData whole = ReadPlanData(db.Store(), DataKind::Coor, &watch);
        QCOMPARE(seen, (QList<qint64>{PlanReadWatch::Rows, 2 * PlanReadWatch::Rows}));
        QCOMPARE(qint64(whole.points.size()), qint64(rows));
        QVERIFY(!whole.readFailed);

        watch.onStep = [](const PlanData&, qint64) { return false; };
        const PlanData stopped = ReadPlanData(db.Store(), DataKind::Coor, &watch);
        QCOMPARE(qint64(stopped.points.size()), PlanReadWatch::Rows);
        QVERIFY(stopped.readFailed);
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    // The adjusted points: the fixed one drawn as control, the adjusted one with its ellipse and
    // the residual vector of the pointing that reached it, enlarged by one round factor.
    void adjustedPointsCarryEllipsesAndResidualsEnlargedByARoundFactor()
    {
        CTestDatabase db;
        db.Run({"insert into AdjCoor(ID,ATTR,SN,NCOOR,ECOOR,SIGMAN,SIGMAE,ELLA,ELLB,ELLAZ,ZCOOR,SIGMAZ,CODE) "
                "values('1','FIXED','A','1000','1000','','','','','','50','','CP')",
                "insert into AdjCoor(ID,ATTR,SN,NCOOR,ECOOR,SIGMAN,SIGMAE,ELLA,ELLB,ELLAZ,ZCOOR,SIGMAZ,CODE) "
                "values('2','ADJUSTED','P','1000','1100','1.0','4.0','4.0','1.0','90.0','','','')",
                "insert into AdjResidual(ID,STATION,SN,VN,VE) values('1','A','P','0.0','-8.0')"});
        const PlanData data = ReadPlanData(db.Store(), DataKind::Adjusted);
        QCOMPARE(Described(data), QStringList({"station A 1000 1000 row 0", "observed P 1100 1000 row 1"}));
        QCOMPARE(data.ellipses.size(), size_t(1));
        QCOMPARE(data.ellipses[0].major, 0.004);
        QCOMPARE(data.ellipses[0].minor, 0.001);
        QVERIFY(std::abs(data.ellipses[0].azimuth - std::numbers::pi / 2) < 1e-12);
        QCOMPARE(data.residuals.size(), size_t(1));
        QCOMPARE(data.residuals[0].east, 1100.0); // from P
        QCOMPARE(data.residuals[0].toEast, -0.008);
        // The plan is 100 m wide, the largest ellipse 4 mm (the ellipses decide, not the 8 mm
        // vector): a twentieth of the plan is 5 m, 1250 times 4 mm, rounded down to 1000.
        QCOMPARE(data.exaggeration, 1000.0);

        // Fitted into 440 px less 20 px a side, 100 m take 400 px: 4 px a metre. The ellipse
        // is 4 mm × 1000 × 4 = 16 px by 4 px, its major axis turned 90° to the east; the
        // vector 8 mm west is 32 px to the left of P.
        const CPlanFrame frame = Fitted(data);
        const PlanScene scene = ComposePlan(data, CPointGrid(data), frame, {});
        QCOMPARE(scene.ellipses.size(), size_t(1));
        QVERIFY(std::abs(scene.ellipses[0].major - 16) < 1e-9);
        QVERIFY(std::abs(scene.ellipses[0].minor - 4) < 1e-9);
        QVERIFY(std::abs(scene.ellipses[0].rotation - 90) < 1e-9);
        QVERIFY(SamePixel(scene.ellipses[0].at, frame.ToPixel(1100, 1000)));
        QCOMPARE(scene.residuals.size(), size_t(1));
        QVERIFY(SamePixel(scene.residuals[0].to - scene.residuals[0].from, QPointF(-32, 0)));
        QCOMPARE(scene.notes, QStringList{PlanTexts::Exaggeration(1000)});
        // The same list beside another kind draws neither.
        QVERIFY(ReadPlanData(db.Store(), DataKind::Coor).ellipses.empty());
        QVERIFY(db.Reporter().Messages().isEmpty());
    }

    // 1, 2 or 5 times a power of ten, never more than a twentieth of the plan's larger side.
    void exaggerationIsRound()
    {
        PlanBounds bounds;
        bounds.Include(0, 0);
        bounds.Include(100, 200); // larger side 200 m: a twentieth is 10 m
        QCOMPARE(ChooseExaggeration(bounds, 0.003), 2000.0); // 3333 → 2000
        QCOMPARE(ChooseExaggeration(bounds, 0.02), 500.0);   // exactly 500
        QCOMPARE(ChooseExaggeration(bounds, 0.0015), 5000.0); // 6667 → 5000
        QCOMPARE(ChooseExaggeration(bounds, 20.0), 0.5);     // a blunder larger than the plan
        QCOMPARE(ChooseExaggeration(bounds, 0.0), 0.0);      // nothing to draw
        QCOMPARE(ChooseExaggeration(PlanBounds{}, 0.003), 0.0);
    }

    void measurementJobGivesStationsObservedPointsAndSights()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values('1','T5(T8)_Meas_Station','ST1','1000','2000','50')",
                "insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values('2','T5(T8)_Meas_Backsight Angle','BS1','1100','2000','50')",
                "insert into \"740Meas\"(ID,ATTR,SN,HA,VA,SD) values('3','T5(T8)_Meas_Dist','P1','90','45','123.456')",
                "insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values('4','T5(T8)_Meas_Measure-Coor','P1','1087.296','2087.296','50.15')",
                "insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values('5','T5(T8)_Meas_Input-Coor','CP1','1200','2100','55')",
                "insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values('6','T5(T8)_Meas_Station','ST2','1200','2100','55')",
                "insert into \"740Meas\"(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR) values('7','T5(T8)_Meas_Backsight-Coor','ST1','1000','2000','50')"});
        const PlanData job = ReadPlanData(db.Store(), DataKind::Meas);
        QCOMPARE(Described(job), QStringList({"station ST1 2000 1000 row 0", "observed BS1 2000 1100 row 1",
                                              "observed P1 2087.296 1087.296 row 3", "entered CP1 2100 1200 row 4",
                                              "station ST2 2100 1200 row 5", "observed ST1 2000 1000 row 6"}));
        QCOMPARE(job.skipped, 0);
        QCOMPARE(job.sights.size(), size_t(3));
        QCOMPARE(job.sights[0].station, 0);
        QCOMPARE(job.sights[0].target, 1);
        QCOMPARE(job.sights[1].target, 2);
        QCOMPARE(job.sights[2].station, 4);
        QCOMPARE(job.sights[2].target, 5);
        // Listed as coordinates, the job is not drawn.
        QVERIFY(ReadPlanData(db.Store(), DataKind::Coor).points.empty());
    }

    void versionTwoJobGivesItsStationsAndMeasuredPoints()
    {
        CTestDatabase db;
        db.Run({"insert into \"520Meas\"(ID,ATTR,MARK,DATA1,DATA2,DATA3,DATA4) values('1','T8_V2_Meas','Station','S1','100','200','10')",
                "insert into \"520Meas\"(ID,ATTR,MARK,DATA1,DATA8,DATA9,DATA10) "
                "values('2','T8_V2_Meas','Angle,Dist Measurement','Q1','110','210','11')",
                "insert into \"520Meas\"(ID,ATTR,MARK,DATA1,DATA3,DATA4,DATA5) values('3','T8_V2_Meas','Stake Point','D1','130','230','0')",
                "insert into \"520Meas\"(ID,ATTR,MARK,DATA1) values('4','T8_V2_Meas','Stake Result','x')"});
        const PlanData job = ReadPlanData(db.Store(), DataKind::V2Meas);
        QCOMPARE(Described(job), QStringList({"station S1 200 100 row 0", "observed Q1 210 110 row 1",
                                              "entered D1 230 130 row 2"}));
        QCOMPARE(job.sights.size(), size_t(1));
    }

    void layerNamesAreValidAndKeepChinese()
    {
        QCOMPARE(DxfLayerName(QString()), QStringLiteral("0"));
        QCOMPARE(DxfLayerName(QStringLiteral("  ")), QStringLiteral("0"));
        QCOMPARE(DxfLayerName(QStringLiteral(" 树 ")), QStringLiteral("树"));
        QCOMPARE(DxfLayerName(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j=k;l,m`n")),
                 QStringLiteral("a_b_c_d_e_f_g_h_i_j_k_l_m_n"));
        QCOMPARE(DxfLayerName(QStringLiteral("WALL-1 北")), QStringLiteral("WALL-1 北"));
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
