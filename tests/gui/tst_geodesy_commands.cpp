#include "core/geodesy/coordinate_system.h"
#include "core/geodesy/geodesy_texts.h"
#include "core/geodesy/system_store.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/app/main_frame.h"
#include "gui/geodesy/fit_dialog.h"
#include "gui/geodesy/system_choice.h"
#include "gui/geodesy/system_dialog.h"
#include "gui/geodesy/transform_dialog.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_tab.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "modal_answers.h"
#include "started_app.h"
#include "table_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace
{
constexpr int Cgcs2000Geographic = 4490;
constexpr int Zone39 = 4527; // CGCS2000 / 3-degree Gauss-Kruger zone 39, CM 117°E, north first
constexpr int Zone40 = 4528; // zone 40, CM 120°E
constexpr double Arcsecond = std::numbers::pi / (180.0 * 3600.0);

// 38°N 117°E in zone 39: on the central meridian the northing is the meridian arc
// S(φ) = ∫₀^φ a(1−e²)/(1−e² sin²φ)^{3/2} dφ (CGCS2000: a = 6378137, 1/f = 298.257222101), by
// Simpson's rule with 20 000 steps S(38°) = 4 207 498.0190 m; the easting is the false easting
// 500 km with the zone number 39 in front.
constexpr double North38 = 4207498.019;
constexpr double East117 = 39500000.0;

// The plane similarity written out: N2 = dN + k(N cos θ − E sin θ), E2 = dE + k(N sin θ + E cos θ).
struct Similarity
{
    double dN, dE, theta, k;
    QPair<double, double> Of(double n, double e) const
    {
        return {dN + k * (n * std::cos(theta) - e * std::sin(theta)), dE + k * (n * std::sin(theta) + e * std::cos(theta))};
    }
};
} // namespace

// The coordinate systems in the window: the "坐标系统" dialog and the status bar, the
// transformation of the list, the parameter fit, the exports for maps and the plan's position
// on the globe and scale bar.
class TestGeodesyCommands : public QObject
{
    Q_OBJECT

private:
    CStartedApp m_started;
    QTemporaryDir m_files;

    CMerionApp& App() { return m_started.App(); }
    CProjectStore& Store() { return App().Store(); }
    CCommandActions& Commands() { return App().Commands(); }
    CRecordingReporter& Reporter() { return m_started.Reporter(); }
    QString SystemPane() { return App().MainFrame()->findChild<QLabel*>(QStringLiteral("systemPane"))->text(); }

    void SetSystem(const CoordinateSystem& system) { QVERIFY(WriteProjectSystem(Store(), system).Succeeded()); }
    void AddPoint(int id, const QString& name, double north, double east, const QString& code = QStringLiteral("K"))
    {
        QVERIFY(RunStatement(Store(), QStringLiteral("insert into CoorEdit values (?, 'Import_Data', ?, ?, ?, '10.000', ?)"),
                                   {id, name, QString::number(north, 'f', 3), QString::number(east, 'f', 3), code}));
    }
    // North and east of the list's points, in list order.
    QList<QPair<double, double>> ListedPositions()
    {
        QList<QPair<double, double>> positions;
        for (const QString& row : TableRows(Store(), QStringLiteral("select NCOOR, ECOOR from CoorEdit order by ID")))
            positions << qMakePair(row.section('|', 0, 0).toDouble(), row.section('|', 1, 1).toDouble());
        return positions;
    }
    template <class Child>
    static Child* Find(QWidget* dialog, const char* name)
    {
        auto* child = dialog->findChild<Child*>(QString::fromLatin1(name));
        if (!child)
            qWarning("no %s", name);
        return child;
    }

private slots:
    void init()
    {
        QVERIFY(m_started.Start());
        Reporter().SetAnswer(true);
    }
    void cleanup() { m_started.Stop(); }

    // A zone chosen by its name, a local grid by its definition: stored in the project and shown
    // in the status bar; a zone offered is the register's system of that name.
    void chosenSystemIsStoredAndShown()
    {
        QVERIFY(SystemPane().contains(QStringLiteral("未设置")));
        WhenShown<CSystemDialog>([](CSystemDialog* dialog) {
            Find<QRadioButton>(dialog, "zoneChoice")->setChecked(true);
            auto* zones = Find<QComboBox>(dialog, "zone");
            const int at = zones->findText(QStringLiteral("CGCS2000 / 3-degree Gauss-Kruger CM 117E"), Qt::MatchStartsWith);
            QVERIFY(at >= 0);
            zones->setCurrentIndex(at);
            dialog->accept();
        });
        Commands().Run(Command::CoordSystem);
        // EPSG:4548 is the register's "CGCS2000 / 3-degree Gauss-Kruger CM 117E".
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Epsg(4548));
        QCOMPARE(SystemPane(), QStringLiteral("坐标系统：EPSG:4548 CGCS2000 / 3-degree Gauss-Kruger CM 117E"));
        QVERIFY(Reporter().Messages().isEmpty());

        // The dialog opens on the stored zone; a local grid replaces it.
        WhenShown<CSystemDialog>([](CSystemDialog* dialog) {
            QVERIFY(Find<QRadioButton>(dialog, "zoneChoice")->isChecked());
            QVERIFY(Find<QComboBox>(dialog, "zone")->currentText().startsWith(QStringLiteral("CGCS2000 / 3-degree Gauss-Kruger CM 117E")));
            Find<QRadioButton>(dialog, "localChoice")->setChecked(true);
            Find<QDoubleSpinBox>(dialog, "meridian")->setValue(117.5);
            Find<QDoubleSpinBox>(dialog, "projectionHeight")->setValue(500);
            dialog->accept();
        });
        Commands().Run(Command::CoordSystem);
        LocalGrid grid;
        grid.meridian = 117.5;
        grid.height = 500;
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Local(grid));
        // The CGCS2000 ellipsoid raised by 500 m: a = 6 378 137 + 500.
        QVERIFY2(SystemPane().contains(QStringLiteral("+proj=tmerc +lat_0=0 +lon_0=117.5 +k=1 +x_0=500000 +y_0=0 +a=6378637")),
                 qPrintable(SystemPane()));

        // Cancelled, nothing changes.
        WhenShown<CSystemDialog>([](CSystemDialog* dialog) {
            Find<QRadioButton>(dialog, "epsgChoice")->setChecked(true);
            Find<QLineEdit>(dialog, "epsgCode")->setText(QStringLiteral("EPSG:4527"));
            dialog->reject();
        });
        Commands().Run(Command::CoordSystem);
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Local(grid));
    }

    // An EPSG code PROJ does not know, or text that is no code, is refused with its reason; the
    // dialog stays open and the stored system stays as it was. A known code typed alone is taken.
    void unknownEpsgCodeIsRefused()
    {
        SetSystem(CoordinateSystem::Epsg(Zone39));
        bool stayedOpen = false;
        WhenShown<CSystemDialog>([&stayedOpen](CSystemDialog* dialog) {
            Find<QRadioButton>(dialog, "epsgChoice")->setChecked(true);
            auto* code = Find<QLineEdit>(dialog, "epsgCode");
            code->setText(QStringLiteral("EPSG:99999"));
            dialog->accept();
            code->setText(QStringLiteral("zone 39"));
            dialog->accept();
            stayedOpen = dialog->isVisible();
            code->setText(QStringLiteral("4528"));
            dialog->accept();
        });
        Commands().Run(Command::CoordSystem);
        QVERIFY(stayedOpen);
        QCOMPARE(Reporter().Messages(),
                 QStringList({QStringLiteral("未知的坐标系统：EPSG:99999"), QStringLiteral("未知的坐标系统：zone 39")}));
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Epsg(Zone40));
        QVERIFY(SystemPane().contains(QStringLiteral("EPSG:4528")));
    }

    // Without a project system nothing can be converted or put on a map: the user is told so
    // before any dialog.
    void withoutSystemTheUserIsTold()
    {
        AddPoint(1, QStringLiteral("A"), North38, East117);
        for (const Command command : {Command::TransformList, Command::ExportKml, Command::ExportGeoJson})
        {
            Commands().Run(command);
            QCOMPARE(Reporter().TakeMessages(), QStringList(GeodesyTexts::NoSystem.Text()));
        }
        QCOMPARE(ListedPositions(), (QList<QPair<double, double>>{{North38, East117}}));
    }

    // Zone 39 to latitude and longitude after the question: the list takes the new positions, the
    // project the new system, the old list is kept in discarded/.
    void transformReplacesTheList()
    {
        SetSystem(CoordinateSystem::Epsg(Zone39));
        AddPoint(1, QStringLiteral("A"), North38, East117);
        // The copies the earlier cases' ends left in the shared folder are not this one's.
        const QDir discarded(QFileInfo(Store().DatabasePath()).dir().filePath(QStringLiteral("discarded")));
        const QStringList before = discarded.entryList({QStringLiteral("*CoorEdit*.csv")}, QDir::Files);
        WhenShown<CTransformDialog>([](CTransformDialog* dialog) {
            QVERIFY(Find<QRadioButton>(dialog, "replaceList")->isChecked());
            Find<QRadioButton>(dialog, "geographicChoice")->setChecked(true);
            dialog->accept();
        });
        Commands().Run(Command::TransformList);
        QCOMPARE(Reporter().Questions().size(), 1);
        QVERIFY(Reporter().Questions().first().contains(QStringLiteral("EPSG:4490")));
        const QList<QPair<double, double>> listed = ListedPositions();
        QCOMPARE(listed.size(), 1);
        // 1e-8° is about a millimetre.
        QVERIFY2(std::abs(listed[0].first - 38.0) < 1e-8 && std::abs(listed[0].second - 117.0) < 1e-8,
                 qPrintable(QStringLiteral("%1 %2").arg(listed[0].first, 0, 'f', 9).arg(listed[0].second, 0, 'f', 9)));
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Epsg(Cgcs2000Geographic));
        QVERIFY(SystemPane().contains(QStringLiteral("EPSG:4490")));
        QCOMPARE(App().Session().CurrentKind(), DataKind::Coor);
        QStringList copies = discarded.entryList({QStringLiteral("*CoorEdit*.csv")}, QDir::Files);
        for (const QString& earlier : before)
            copies.removeAll(earlier);
        QCOMPARE(copies.size(), 1);
        QVERIFY(FileBytes(discarded.filePath(copies.first())).contains("A,4207498.019,39500000.000"));

        // Said no to the question: the list stays.
        Reporter().SetAnswer(false);
        WhenShown<CTransformDialog>([](CTransformDialog* dialog) {
            Find<QRadioButton>(dialog, "epsgChoice")->setChecked(true);
            Find<QLineEdit>(dialog, "epsgCode")->setText(QStringLiteral("EPSG:4527"));
            dialog->accept();
        });
        Commands().Run(Command::TransformList);
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Epsg(Cgcs2000Geographic));
        QVERIFY(std::abs(ListedPositions()[0].first - 38.0) < 1e-8);
    }

    // Zone 39 to zone 40 against PROJ's own cs2cs on the same points.
    void zoneToZoneAgreesWithCs2cs()
    {
        const QString cs2cs = QStandardPaths::findExecutable(QStringLiteral("cs2cs"));
        if (cs2cs.isEmpty())
            QSKIP("cs2cs (proj-bin) is not installed");
        const QList<QPair<double, double>> points = {{3322400.125, 39634567.891}, {4500123.456, 39379876.543}};
        SetSystem(CoordinateSystem::Epsg(Zone39));
        for (int i = 0; i < points.size(); ++i)
            AddPoint(i + 1, QStringLiteral("P%1").arg(i + 1), points[i].first, points[i].second);
        WhenShown<CTransformDialog>([](CTransformDialog* dialog) {
            Find<QRadioButton>(dialog, "zoneChoice")->setChecked(true);
            auto* zones = Find<QComboBox>(dialog, "zone");
            zones->setCurrentIndex(zones->findData(Zone40));
            dialog->accept();
        });
        Commands().Run(Command::TransformList);
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Epsg(Zone40));

        QProcess process;
        process.start(cs2cs, {QStringLiteral("-f"), QStringLiteral("%.4f"), QStringLiteral("EPSG:4527"),
                              QStringLiteral("EPSG:4528")});
        QVERIFY(process.waitForStarted());
        for (const auto& [north, east] : points)
            process.write(QStringLiteral("%1 %2\n").arg(north, 0, 'f', 3).arg(east, 0, 'f', 3).toLatin1());
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        const QStringList lines =
            QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QList<QPair<double, double>> listed = ListedPositions();
        QCOMPARE(lines.size(), listed.size());
        for (int i = 0; i < lines.size(); ++i)
        {
            // cs2cs writes the register's order for EPSG:4528: northing, then easting.
            const QStringList fields = lines[i].simplified().split(QLatin1Char(' '));
            QVERIFY2(std::abs(listed[i].first - fields[0].toDouble()) < 0.0006 &&
                         std::abs(listed[i].second - fields[1].toDouble()) < 0.0006,
                     qPrintable(lines[i]));
        }
    }

    // To a file with the grid factors: the list and the system stay; a file of the project itself
    // is refused by the dialog. At 38°N on the central meridian the scale is 1 and there is no
    // convergence.
    void transformToFileLeavesTheList()
    {
        SetSystem(CoordinateSystem::Epsg(Zone39));
        AddPoint(1, QStringLiteral("A"), North38, East117);
        const QString path = m_files.filePath(QStringLiteral("zone40.csv"));
        bool refused = false;
        WhenShown<CTransformDialog>([this, path, &refused](CTransformDialog* dialog) {
            Find<QRadioButton>(dialog, "toFile")->setChecked(true);
            Find<QCheckBox>(dialog, "factors")->setChecked(true);
            Find<QRadioButton>(dialog, "geographicChoice")->setChecked(true);
            auto* file = Find<QLineEdit>(dialog, "outputFile");
            file->setText(Store().DatabasePath());
            dialog->accept();
            refused = dialog->isVisible();
            file->setText(path);
            dialog->accept();
        });
        Commands().Run(Command::TransformList);
        QVERIFY(refused);
        const QStringList messages = Reporter().Messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().contains(QStringLiteral("project database")));
        QVERIFY(Reporter().Questions().isEmpty());
        const QStringList lines = QString::fromLatin1(FileBytes(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("PT,LAT,LON,Z,CODE,SCALE,CONVERGENCE"));
        const QStringList fields = lines[1].split(QLatin1Char(','));
        QCOMPARE(fields[0], QStringLiteral("A"));
        QVERIFY(std::abs(fields[1].toDouble() - 38.0) < 1e-8 && std::abs(fields[2].toDouble() - 117.0) < 1e-8);
        QCOMPARE(fields[5].toDouble(), 1.0);
        QCOMPARE(fields[6].toDouble(), 0.0);
        QCOMPARE(ListedPositions(), (QList<QPair<double, double>>{{North38, East117}}));
        QCOMPARE(ReadProjectSystem(Store()), CoordinateSystem::Epsg(Zone39));
    }

    // Four parameters from common points built by the written-out similarity (dN 1000 m,
    // dE −2000 m, θ 20″, scale +15 ppm), one of them disturbed by 30 mm in north: it shows the
    // largest residual; left out, the rest fit exactly and give the parameters back; applied,
    // the list moves by the same model.
    void fitShowsResidualsAndApplies()
    {
        const Similarity known{1000.0, -2000.0, 20 * Arcsecond, 1 + 15e-6};
        const QList<std::array<double, 2>> first = {
            {3300000.0, 500000.0}, {3302000.0, 501500.0}, {3299000.0, 503000.0}, {3301200.0, 498700.0}, {3300800.0, 502100.0}};
        QByteArray common;
        for (int i = 0; i < first.size(); ++i)
        {
            auto [n2, e2] = known.Of(first[i][0], first[i][1]);
            if (i == 4)
                n2 += 0.030;
            common += QStringLiteral("C%1,%2,%3,0,%4,%5,0\n")
                          .arg(i + 1)
                          .arg(first[i][0], 0, 'f', 4)
                          .arg(first[i][1], 0, 'f', 4)
                          .arg(n2, 0, 'f', 9)
                          .arg(e2, 0, 'f', 9)
                          .toLatin1();
        }
        const QString commonPath = m_files.filePath(QStringLiteral("common.csv"));
        {
            QFile file(commonPath);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(common) == common.size());
        }
        AddPoint(1, QStringLiteral("P"), 3300500.000, 501000.000);

        QString worst;
        QString fittedRms;
        QList<double> parameters;
        WhenShown<CFitDialog>([&](CFitDialog* dialog) {
            Find<QLineEdit>(dialog, "commonFile")->setText(commonPath);
            dialog->Fit();
            QTableWidget& table = dialog->Residuals();
            QCOMPARE(table.rowCount(), 5);
            double largest = -1;
            for (int row = 0; row < table.rowCount(); ++row)
            {
                const double v = std::hypot(table.item(row, 1)->text().toDouble(), table.item(row, 2)->text().toDouble());
                if (v > largest)
                    std::tie(largest, worst) = std::make_tuple(v, table.item(row, 0)->text());
            }
            table.item(4, 4)->setCheckState(Qt::Unchecked);
            dialog->Fit();
            fittedRms = dialog->RmsText();
            for (const char* name : {"similarity0", "similarity1", "similarity2", "similarity3"})
                parameters << Find<QDoubleSpinBox>(dialog, name)->value();
            dialog->accept();
        });
        Commands().Run(Command::FitParameters);
        QCOMPARE(worst, QStringLiteral("C5"));
        QCOMPARE(fittedRms, QStringLiteral("残差中误差 RMS：0.0 mm"));
        QCOMPARE(parameters.size(), 4);
        // The shifts act at the origin, some 3300 km from the points: the file carries the second
        // positions to the nanometre so that they come back to 10 µm.
        QVERIFY(std::abs(parameters[0] - 1000.0) < 1e-5 && std::abs(parameters[1] + 2000.0) < 1e-5);
        QVERIFY(std::abs(parameters[2] - 20.0) < 1e-5 && std::abs(parameters[3] - 15.0) < 1e-5);
        QCOMPARE(Reporter().Questions().size(), 1);
        const auto [n, e] = known.Of(3300500.0, 501000.0);
        const QList<QPair<double, double>> listed = ListedPositions();
        QVERIFY2(std::abs(listed[0].first - n) < 0.0006 && std::abs(listed[0].second - e) < 0.0006,
                 qPrintable(QStringLiteral("%1 %2 / %3 %4").arg(listed[0].first, 0, 'f', 3).arg(listed[0].second, 0, 'f', 3).arg(n, 0, 'f', 4).arg(e, 0, 'f', 4)));
    }

    // KML and GeoJSON of the list in WGS84 degrees: 38°N 117°E comes out as itself (CGCS2000 and
    // WGS84 are taken as one at this precision).
    void mapExportsWriteDegrees()
    {
        SetSystem(CoordinateSystem::Epsg(Zone39));
        AddPoint(1, QStringLiteral("A"), North38, East117, QStringLiteral("TREE"));
        const QString kml = m_files.filePath(QStringLiteral("points.kml"));
        WhenShown<QFileDialog>([kml](QFileDialog* dialog) { Choose(dialog, kml); });
        Commands().Run(Command::ExportKml);
        const QByteArray kmlText = FileBytes(kml);
        QVERIFY(kmlText.contains("<kml"));
        QVERIFY(kmlText.contains("<name>TREE</name>"));
        QVERIFY(kmlText.contains("117.000000000,38.000000000"));

        const QString geojson = m_files.filePath(QStringLiteral("points.geojson"));
        WhenShown<QFileDialog>([geojson](QFileDialog* dialog) { Choose(dialog, geojson); });
        Commands().Run(Command::ExportGeoJson);
        const QJsonObject feature = QJsonDocument::fromJson(FileBytes(geojson)).object()["features"].toArray()[0].toObject();
        QCOMPARE(feature["properties"].toObject()["name"].toString(), QStringLiteral("A"));
        const QJsonArray at = feature["geometry"].toObject()["coordinates"].toArray();
        QVERIFY(std::abs(at[0].toDouble() - 117.0) < 1e-8 && std::abs(at[1].toDouble() - 38.0) < 1e-8);
        QVERIFY(Reporter().Messages().isEmpty());

        // A file of the project's own (its journal, not there between transactions) is refused as a target.
        const QString journal = Store().DatabasePath() + QStringLiteral("-journal");
        QVERIFY(!QFile::exists(journal));
        WhenShown<QFileDialog>([journal](QFileDialog* dialog) { Choose(dialog, journal); });
        Commands().Run(Command::ExportKml);
        QCOMPARE(Reporter().Messages().size(), 1);
        QVERIFY(Reporter().Messages().first().contains(QStringLiteral("project database")));
    }

    // The plan shows the cursor's latitude and longitude beside N and E, and measures its scale
    // bar on the ground: in zone 39 at 30°N 118.5°E (cs2cs EPSG:4490 EPSG:4527 gives
    // N 3 321 060.8409, E 39 644 737.7491) the grid is k = 1.0002583607 too long (the textbook
    // series of the transverse Mercator, 1.5° from the meridian); in latitude and longitude one
    // degree of longitude at 38° is (π/180)·N·cos φ with N = a/√(1−e² sin² φ) = 6 386 244.475 m,
    // that is 87 832.461 m.
    void planShowsGeographicPositionAndGroundScale()
    {
        SetSystem(CoordinateSystem::Epsg(Zone39));
        App().Session().AnnounceSystemChanged();
        AddPoint(1, QStringLiteral("A"), 3321060.841, 39644737.749);
        CMainFrame* frame = App().MainFrame();
        frame->show();
        frame->ClientTabs()->setCurrentWidget(frame->PlanTab());
        App().Session().ShowTable(DataKind::Coor);
        CPlanTab* plan = frame->PlanTab();
        QTRY_VERIFY(!plan->ReloadPending());
        CPlanCanvas& canvas = plan->Canvas();
        QTRY_COMPARE(canvas.Data().points.size(), size_t(1));
        canvas.repaint();
        const ScaleBar zoneBar = canvas.LastScene().scaleBar;
        QVERIFY(zoneBar.metres > 0);
        QVERIFY2(std::abs(zoneBar.pixels / zoneBar.metres / (canvas.Frame().PixelsPerMetre() * 1.0002583607) - 1) < 1e-8,
                 qPrintable(QString::number(zoneBar.pixels / zoneBar.metres / canvas.Frame().PixelsPerMetre(), 'f', 10)));

        QTest::mouseMove(&canvas, canvas.Frame().ToPixel(39644737.749, 3321060.841).toPoint());
        const QString status = frame->statusBar()->currentMessage();
        QVERIFY2(status.contains(QStringLiteral("纬度 30.0000")) && status.contains(QStringLiteral("经度 118.5000")),
                 qPrintable(status));

        // Latitude and longitude themselves: the bar in metres, not degrees.
        QVERIFY(RunStatement(Store(), QStringLiteral("update CoorEdit set NCOOR='38.000000000', ECOOR='117.000000000'")));
        SetSystem(CoordinateSystem::Epsg(Cgcs2000Geographic));
        App().Session().AnnounceSystemChanged();
        App().Session().ShowTable(DataKind::Coor);
        QTRY_VERIFY(!plan->ReloadPending());
        QTRY_VERIFY(std::abs(canvas.Data().points[0].north - 38.0) < 1e-9);
        canvas.FitAll();
        canvas.repaint();
        const ScaleBar degreeBar = canvas.LastScene().scaleBar;
        QVERIFY(degreeBar.metres > 0);
        QVERIFY2(std::abs(degreeBar.pixels / degreeBar.metres * 87832.461 / canvas.Frame().PixelsPerMetre() - 1) < 1e-6,
                 qPrintable(QString::number(degreeBar.pixels / degreeBar.metres, 'g', 12)));
        frame->hide();
    }
};

QTEST_MAIN(TestGeodesyCommands)
#include "tst_geodesy_commands.moc"
