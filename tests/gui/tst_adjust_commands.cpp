#include "core/compute/compute_texts.h"
#include "core/plan/plan_marks.h"
#include "core/plan/plan_texts.h"
#include "core/results/apriori_store.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/compute/adjust_dialog.h"
#include "gui/compute/adjustment_worker.h"
#include "gui/compute/compute_dialog_texts.h"
#include "gui/compute/report_window.h"
#include "gui/plan/plan_canvas.h"
#include "gui/plan/plan_tab.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/views/plx_view.h"
#include "meas_rows.h"
#include "report/adjustment_report_texts.h"
#include "modal_answers.h"
#include "recording_reporter.h"
#include "shown_list_rows.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numbers>
#include <string_view>
#include <tuple>

namespace
{
// The cells of the listed row whose point name (third column) is `name`.
QStringList RowOf(const QStringList& rows, const QString& name)
{
    for (const QString& row : rows)
    {
        const QStringList cells = row.split('|');
        if (cells.value(2) == name)
            return cells;
    }
    return {};
}

double Number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : std::nan("");
}

// Columns of the adjusted points' list.
enum { Sn = 2, North, East, SigmaN, SigmaE, MajorA, MinorB, Azimuth, Height, SigmaZ, Code };

QString Cell(QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

void SetCell(QTableWidget* table, int row, int column, const QString& text)
{
    table->item(row, column)->setText(text);
}

bool OkEnabled(QDialog* dialog)
{
    return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}

// Every row of a table as "a|b|c", in the order of its IDs.
QStringList TableRows(CProjectStore& store, const SchemaName& table)
{
    QStringList rows;
    CStatement statement(store, Sql("select * from %1 order by %2", {table, Col::ID}));
    while (statement.Next())
    {
        QStringList cells;
        for (int column = 0; column < statement.ColumnCount(); ++column)
            cells << statement.Text(column);
        rows << cells.join('|');
    }
    return rows;
}

// The report's header line of that label, or empty.
QString HeaderValue(const ReportDocument& report, const QString& label)
{
    for (const ReportLine& line : report.header)
        if (line.label == label)
            return line.value;
    return {};
}
} // namespace

// The least-squares commands of the "计算" menu, driven through the real window: the options
// dialog, the adjustment in the background, the adjusted points in the list and the plan, the
// report, the re-run without the likely blunder and the copy into the coordinate list.
class TestAdjustCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;
    QTimer m_reportCloser;
    QList<ReportDocument> m_reports;
    QList<QStringList> m_listedAtReport; // the list as it stood when each report came up

    CCommandActions& Commands() { return m_app->Commands(); }
    CPlanTab& Plan() { return *m_app->MainFrame()->PlanTab(); }
    CPlanCanvas& Canvas() { return Plan().Canvas(); }

    void Store(const QStringList& statements)
    {
        for (const QString& statement : statements)
            QVERIFY2(RunStatement(m_app->Store(), statement), qPrintable(statement));
    }

    // The free station of tests/core/reference/free_station_weighted.py, set up without a
    // backsight: S (started from 995, 1995) measures A 0° 100.006 m, B 90°00′04″ 150 m and C
    // 206°33′54.18″ 111.8034 m, all level; A, B and C in the coordinate list.
    void StoreFreeStationJob()
    {
        Store({MeasRow(1, "Station", {"S", "995", "1995", "48", "", "", "", "", "1.5"}),
               MeasRow(2, "Dist", {"A", "", "", "", "", "1.5", "", "", "", "0", "90", "100.006"}),
               MeasRow(3, "Dist", {"B", "", "", "", "", "1.5", "", "", "", "90.0011111111", "90", "150"}),
               MeasRow(4, "Dist", {"C", "", "", "", "", "1.5", "", "", "", "206.5650511771", "90", "111.8033988750"}),
               "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(1,'x','A','1100','2000','50','')",
               "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(2,'x','B','1000','2150','50','')",
               "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(3,'x','C','900','1950','50','')"});
        m_app->Session().ShowTable(DataKind::Meas);
    }

private slots:
    void init()
    {
        m_reporter.Clear();
        m_reports.clear();
        m_listedAtReport.clear();
        QFile::remove(m_dir.filePath("project.db"));
        QDir(m_dir.filePath("discarded")).removeRecursively();
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath("project.db"), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
        CMainFrame* frame = m_app->MainFrame();
        frame->resize(900, 700);
        frame->show();
        frame->ClientTabs()->setCurrentWidget(&Plan());
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        // Every report window that comes up is read and closed, as a user would.
        m_reportCloser.setInterval(10);
        m_reportCloser.callOnTimeout(this, [this] {
            if (auto* report = qobject_cast<CReportWindow*>(QApplication::activeModalWidget()))
            {
                m_reports << report->Document();
                m_listedAtReport << ListRows(*m_app->View());
                report->reject();
            }
        });
        m_reportCloser.start();
    }
    void cleanup()
    {
        m_reportCloser.stop();
        m_app->ExitInstance();
        m_app.reset();
    }

    // The job of two known points A (1100, 2000) and B (900, 2000), both in the coordinate
    // list: S set up on backsight A (PA 0) measures A at 0° 100 m, P at 90° 100 m and B at
    // 180° 100 m, all level. Worked by hand: A and B lie 100 m either side of S along the
    // north axis, so S = (1000, 2000) and P = S + 100 m to the east = (1000, 2100); the
    // readings agree exactly, every residual is 0 and nothing is offered as a blunder.
    void jobIsAdjustedListedDrawnAndCopied()
    {
        Store({MeasRow(1, "Station", {"S", "1000", "2000", "50", "", "", "", "", "1.5"}),
               MeasRow(2, "Backsight-Coor", {"A", "1100", "2000", "50", "", "1.5", "0"}),
               MeasRow(3, "Dist", {"A", "", "", "", "", "1.5", "", "", "", "0", "90", "100"}),
               MeasRow(4, "Dist", {"P", "", "", "", "", "1.5", "", "", "", "90", "90", "100"}),
               MeasRow(5, "Dist", {"B", "", "", "", "", "1.5", "", "", "", "180", "90", "100"}),
               "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(1,'x','A','1100','2000','50','CP')",
               "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(2,'x','B','900','2000','50','CP')"});
        m_app->Session().ShowTable(DataKind::Meas);
        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) {
            QVERIFY(!dialog->findChild<QComboBox*>(QStringLiteral("station"))); // the whole job
            dialog->accept(); // the coordinate list's points, 2″, 2 mm + 2 ppm
        });
        Commands().Run(Command::Adjust);
        QTRY_COMPARE(m_reports.size(), 1);
        QCOMPARE(m_app->Session().CurrentKind(), DataKind::Adjusted);
        QCOMPARE(m_reports[0].title, QStringLiteral("最小二乘平差"));

        const QStringList rows = ListRows(*m_app->View());
        QCOMPARE(rows.size(), 4);
        for (const auto& [name, north, east] : {std::tuple{"A", "1100.0000", "2000.0000"},
                                                std::tuple{"B", "900.0000", "2000.0000"},
                                                std::tuple{"S", "1000.0000", "2000.0000"},
                                                std::tuple{"P", "1000.0000", "2100.0000"}})
        {
            const QStringList cells = RowOf(rows, QString::fromLatin1(name));
            QVERIFY2(cells.size() == Code + 1, qPrintable(name));
            QCOMPARE(cells[North], QString::fromLatin1(north));
            QCOMPARE(cells[East], QString::fromLatin1(east));
            const bool known = cells[1] == QLatin1String("FIXED");
            QCOMPARE(known, std::string_view(name) == "A" || std::string_view(name) == "B");
            QCOMPARE(cells[Code], known ? QStringLiteral("CP") : QString());
            if (known)
            {
                QVERIFY(cells[SigmaN].isEmpty() && cells[MajorA].isEmpty());
                continue;
            }
            // The ellipse's semi-axes are the extreme standard deviations over all directions:
            // A ≥ σN, σE ≥ B, and A² + B² = σN² + σE² (the trace), within the rounding to 0.1 mm.
            const double sn = Number(cells[SigmaN]), se = Number(cells[SigmaE]);
            const double a = Number(cells[MajorA]), b = Number(cells[MinorB]);
            QVERIFY2(sn > 0 && se > 0 && b > 0, qPrintable(cells.join('|')));
            QVERIFY(a + 0.1 >= std::max(sn, se) && b <= std::min(sn, se) + 0.1);
            QVERIFY2(std::abs(a * a + b * b - sn * sn - se * se) <= 0.1 * (a + b + sn + se) + 0.01,
                     qPrintable(cells.join('|')));
            const double azimuth = Number(cells[Azimuth]);
            QVERIFY(azimuth >= 0 && azimuth < 180);
        }
        QVERIFY(m_reporter.Questions().isEmpty()); // no residual at all: nothing to snoop
        QVERIFY2(m_reporter.Messages().isEmpty(), qPrintable(m_reporter.Messages().join('\n')));

        // The plan draws the two adjusted points' ellipses, and says how much they are enlarged.
        QTRY_COMPARE(Canvas().Data().ellipses.size(), size_t(2));
        QTRY_VERIFY(!Plan().ReloadPending());
        const double factor = Canvas().Data().exaggeration;
        QVERIFY(factor > 0);
        const QImage picture = Canvas().grab().toImage();
        const PlanScene& scene = Canvas().LastScene();
        QVERIFY(scene.notes.contains(PlanTexts::Exaggeration(factor)));
        QCOMPARE(scene.ellipses.size(), size_t(2));
        // Each ellipse is drawn where its major axis ends: A × factor × pixels per metre from
        // its point, turned clockwise from north by its azimuth.
        for (const SceneEllipse& ellipse : scene.ellipses)
        {
            QVERIFY(ellipse.major > 3);
            const double turn = ellipse.rotation * std::numbers::pi / 180.0;
            const QPoint tip = (ellipse.at + ellipse.major * QPointF(std::sin(turn), -std::cos(turn))).toPoint();
            const QColor ink(QString::fromLatin1(PlanLook::Ellipse));
            bool inked = false;
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy)
                {
                    const QColor seen = picture.pixelColor(tip + QPoint(dx, dy));
                    inked = inked || (std::abs(seen.red() - ink.red()) + std::abs(seen.green() - ink.green()) +
                                          std::abs(seen.blue() - ink.blue()) < 90);
                }
            QVERIFY2(inked, qPrintable(QStringLiteral("no ellipse at %1,%2").arg(tip.x()).arg(tip.y())));
        }

        // Copied into the coordinate list, after the question: the four points as adjusted.
        Commands().Run(Command::CopyAdjustedToCoor);
        QCOMPARE(m_reporter.Questions().size(), 1);
        QCOMPARE(m_app->Session().CurrentKind(), DataKind::Coor);
        const QStringList copied = ListRows(*m_app->View());
        QCOMPARE(copied.size(), 4);
        QCOMPARE(RowOf(copied, "P").mid(3, 2), QStringList({"1000.0000", "2100.0000"}));
        QCOMPARE(RowOf(copied, "S").mid(3, 2), QStringList({"1000.0000", "2000.0000"}));
        QCOMPARE(RowOf(copied, "A").value(6), QStringLiteral("CP"));
        // The two points typed into the list before are kept in discarded/ beside the project.
        const QStringList kept = QDir(m_dir.filePath("discarded")).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QFile copy(m_dir.filePath("discarded/" + kept[0]));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll().count('\n'), 2);
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    // The free station S of tests/core/reference/free_station_snooping.py: set on A (PA 0), it
    // measures A (1100, 2000) at 0° 100 m, B (1000, 2150) at 90° 150 m and C (900, 1950) at
    // 206.565051° 111.8034 m from (1000, 2000), exactly but for a blunder of 20″ in the
    // direction to B. The script's hand linearisation (2″, 2 mm + 2 ppm) gives S at
    // (1000.00652, 2000.00159) and the standardized residuals |w| 1.23, 3.33, 1.23, 5.46, 0.72,
    // 3.77, 3.27: the direction to B (r 0.2975, w = 20″·√0.2975/2″ = 5.45) is the largest and
    // beyond 3.29, the likely blunder. Without it the six readings left agree exactly with
    // S = (1000, 2000).
    void freeStationNamesTheBlunderAndAdjustsAgainWithoutIt()
    {
        Store({MeasRow(1, "Station", {"S", "995", "1995", "48", "", "", "", "", "1.5"}),
               MeasRow(2, "Backsight-Coor", {"A", "1100", "2000", "50", "", "1.5", "0"}),
               MeasRow(3, "Dist", {"A", "", "", "", "", "1.5", "", "", "", "0", "90", "100"}),
               MeasRow(4, "Dist", {"B", "", "", "", "", "1.5", "", "", "", "90.0055555556", "90", "150"}),
               MeasRow(5, "Dist", {"C", "", "", "", "", "1.5", "", "", "", "206.5650511771", "90",
                                   "111.8033988750"})});
        const QString known = m_dir.filePath("known.txt");
        QFile file(known);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A,1100,2000,50,\r\nB,1000,2150,50,\r\nC,900,1950,50,\r\n");
        file.close();
        m_app->Session().ShowTable(DataKind::Meas);
        WhenShown<CAdjustDialog>([known](CAdjustDialog* dialog) {
            auto* station = dialog->findChild<QComboBox*>(QStringLiteral("station"));
            QVERIFY(station);
            QCOMPARE(station->currentText(), QStringLiteral("S"));
            dialog->findChild<QComboBox*>(QStringLiteral("knownChoice"))->setCurrentIndex(2);
            dialog->findChild<QLineEdit*>(QStringLiteral("knownFile"))->setText(known);
            dialog->accept();
        });
        Commands().Run(Command::FreeStation);
        // The first report, the question, and the second run's report.
        QTRY_COMPARE(m_reports.size(), 2);
        QCOMPARE(m_reporter.Questions().size(), 1);
        QVERIFY2(m_reporter.Questions()[0].contains(QStringLiteral("S→B 方向")), qPrintable(m_reporter.Questions()[0]));

        const QStringList first = RowOf(m_listedAtReport[0], "S");
        QCOMPARE(first.mid(North, 2), QStringList({"1000.0065", "2000.0016"}));
        QCOMPARE(m_listedAtReport[0].size(), 4); // A, B and C held, and S
        const QStringList again = RowOf(ListRows(*m_app->View()), "S");
        QCOMPARE(again.mid(North, 2), QStringList({"1000.0000", "2000.0000"}));
        QVERIFY(!again[SigmaN].isEmpty());
        QVERIFY2(m_reporter.Messages().isEmpty(), qPrintable(m_reporter.Messages().join('\n')));
    }

    // The dialog's weights and a station's own values reach the adjustment and are kept in the
    // project for the next one. Worked by hand (free_station_weighted.py): with C weighted at
    // σ 5 mm, S moves by (−2.4889, +2.2039) mm to (999.9975, 2000.0022) and C to
    // (899.9964, 1950.0048) with σ 2.68 / 2.60 mm. With C fixed again and S's own values
    // doubled (4″, 4 mm + 4 ppm), every weight is a quarter: S is where the fixed case puts
    // it, (999.99997, 2000.00007), and its σ twice the fixed case's 1.0224 / 0.7253 mm.
    void weightsAndOwnValuesAreUsedAndKept()
    {
        StoreFreeStationJob();
        // A station of another job keeps its own values through this job's dialog.
        Adjustment::AprioriOptions before;
        before.stations << Adjustment::StationSigmas{"X", 5.0, std::nullopt, std::nullopt, 1.0};
        QVERIFY(StoreAprioriOptions(m_app->Store(), before).Succeeded());
        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) {
            auto* stations = dialog->findChild<QTableWidget*>(QStringLiteral("stationSigmas"));
            auto* weights = dialog->findChild<QTableWidget*>(QStringLiteral("knownWeights"));
            QVERIFY(stations && weights);
            QCOMPARE(stations->rowCount(), 1);
            QCOMPARE(Cell(stations, 0, 0), QStringLiteral("S"));
            QCOMPARE(weights->rowCount(), 0);
            dialog->findChild<QPushButton*>(QStringLiteral("addWeight"))->click();
            SetCell(weights, 0, 0, QStringLiteral("C"));
            SetCell(weights, 0, 1, QStringLiteral("0")); // an infinite weight is refused
            QVERIFY(!OkEnabled(dialog));
            SetCell(weights, 0, 1, QStringLiteral("5 mm")); // not a number
            QVERIFY(!OkEnabled(dialog));
            SetCell(weights, 0, 1, QStringLiteral("5"));
            QVERIFY(OkEnabled(dialog));
            dialog->accept();
        });
        Commands().Run(Command::Adjust);
        QTRY_COMPARE(m_reports.size(), 1);
        QStringList rows = ListRows(*m_app->View());
        QCOMPARE(RowOf(rows, "S").mid(North, 2), QStringList({"999.9975", "2000.0022"}));
        const QStringList c = RowOf(rows, "C");
        QCOMPARE(c[1], QStringLiteral("WEIGHTED"));
        QCOMPARE(c.mid(North, 4), QStringList({"899.9964", "1950.0048", "2.7", "2.6"}));
        QCOMPARE(HeaderValue(m_reports[0], AdjustmentReportTexts::WeightedPoint.Arg("C")),
                 AdjustmentReportTexts::PlanWeight.Arg("5"));

        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) {
            auto* stations = dialog->findChild<QTableWidget*>(QStringLiteral("stationSigmas"));
            auto* weights = dialog->findChild<QTableWidget*>(QStringLiteral("knownWeights"));
            // Kept from the last time.
            QCOMPARE(weights->rowCount(), 1);
            QCOMPARE(Cell(weights, 0, 0), QStringLiteral("C"));
            QCOMPARE(Cell(weights, 0, 1), QStringLiteral("5"));
            weights->setCurrentCell(0, 0);
            dialog->findChild<QPushButton*>(QStringLiteral("removeWeight"))->click();
            QCOMPARE(weights->rowCount(), 0);
            SetCell(stations, 0, 1, QStringLiteral("0")); // no direction σ: refused
            QVERIFY(!OkEnabled(dialog));
            for (int column = 1; column <= 3; ++column)
                SetCell(stations, 0, column, QStringLiteral("4"));
            QVERIFY(OkEnabled(dialog));
            dialog->accept();
        });
        Commands().Run(Command::Adjust);
        QTRY_COMPARE(m_reports.size(), 2);
        rows = ListRows(*m_app->View());
        const QStringList s = RowOf(rows, "S");
        QCOMPARE(s.mid(North, 4), QStringList({"1000.0000", "2000.0001", "2.0", "1.5"}));
        QCOMPARE(RowOf(rows, "C")[1], QStringLiteral("FIXED"));
        QCOMPARE(HeaderValue(m_reports[1], AdjustmentReportTexts::StationAPriori.Arg("S")),
                 AdjustmentReportTexts::StationAPrioriValues.Arg("4", "4", "4", "0"));

        // The third time the dialog shows S's own values, and the instrument's centring as set.
        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) {
            auto* stations = dialog->findChild<QTableWidget*>(QStringLiteral("stationSigmas"));
            QCOMPARE(Cell(stations, 0, 1), QStringLiteral("4"));
            QCOMPARE(Cell(stations, 0, 4), QString());
            QCOMPARE(dialog->findChild<QDoubleSpinBox*>(QStringLiteral("sigmaCentring"))->value(), 0.0);
            QVERIFY(dialog->findChild<QTableWidget*>(QStringLiteral("knownWeights"))->rowCount() == 0);
            dialog->reject();
        });
        Commands().Run(Command::Adjust);
        QCOMPARE(m_reports.size(), 2);
        QVERIFY2(m_reporter.Messages().isEmpty(), qPrintable(m_reporter.Messages().join('\n')));
        Adjustment::AprioriOptions kept;
        QVERIFY(ReadAprioriOptions(m_app->Store(), kept).Succeeded());
        QCOMPARE(kept.stations.size(), 2);
        QCOMPARE(kept.stations[0], before.stations[0]);
        QCOMPARE(kept.stations[1], (Adjustment::StationSigmas{"S", 4.0, 4.0, 4.0, std::nullopt}));

        // A weight on a point that is not known would hold nothing: it is refused by name, and
        // the last result stays.
        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("addWeight"))->click();
            auto* weights = dialog->findChild<QTableWidget*>(QStringLiteral("knownWeights"));
            SetCell(weights, 0, 0, QStringLiteral("Q"));
            SetCell(weights, 0, 1, QStringLiteral("5"));
            dialog->accept();
        });
        Commands().Run(Command::Adjust);
        QCOMPARE(m_reporter.Messages(), QStringList{ComputeTexts::NotKnown.Arg("Q")});
        QCOMPARE(m_reports.size(), 2);
        QCOMPARE(RowOf(ListRows(*m_app->View()), "S").mid(North, 2), QStringList({"1000.0000", "2000.0001"}));
    }

    // A project opened read-only is never brought up to date: one made before the a priori
    // values were kept has no tables for them, and adjusts with the instrument's defaults.
    void aProjectWithoutTheValuesTablesAdjustsWithTheDefaults()
    {
        StoreFreeStationJob();
        Store({"drop table AdjSigma", "drop table AdjWeight"});
        bool asked = false;
        WhenShown<CAdjustDialog>([&asked](CAdjustDialog* dialog) {
            asked = true;
            dialog->reject();
        });
        Commands().Run(Command::Adjust);
        QVERIFY(asked);
        QCOMPARE(m_reporter.Messages(), QStringList());
    }

    // What an adjustment of a project gives goes to that project alone: switching to another
    // while it runs cancels it, and the other project's adjusted list stays empty.
    void switchingProjectsCancelsTheAdjustment()
    {
        StoreFreeStationJob();
        const QString other = m_dir.filePath("other.db");
        QFile::remove(other);
        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) { dialog->accept(); });
        Commands().Run(Command::Adjust);
        QVERIFY(!Commands().Action(Command::Adjust)->isEnabled());
        QVERIFY(m_app->SwitchProject(other));
        QVERIFY(Commands().Action(Command::Adjust)->isEnabled());
        QTRY_VERIFY(m_app->MainFrame()->findChildren<CAdjustmentWorker*>().isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(TableRows(m_app->Store(), Tbl::AdjCoor), QStringList());
        QVERIFY(m_reports.isEmpty());
        QCOMPARE(m_reporter.Messages(), QStringList{QString(ComputeDialogTexts::AdjustCancelled)});
    }

    // Cancelling while the adjustment runs stores nothing of it: the last result stays in
    // AdjCoor and AdjResidual, the user is told, and the commands are there again.
    void cancelledAdjustmentKeepsTheLastResult()
    {
        StoreFreeStationJob();
        Store({"insert into AdjCoor(ID,ATTR,SN,NCOOR,ECOOR) values(1,'ADJUSTED','OLD','1.0000','2.0000')",
               "insert into AdjResidual(ID,STATION,SN,VN,VE) values(1,'S','OLD','0.1','0.2')"});
        const QStringList points = TableRows(m_app->Store(), Tbl::AdjCoor);
        const QStringList residuals = TableRows(m_app->Store(), Tbl::AdjResidual);
        WhenShown<CAdjustDialog>([](CAdjustDialog* dialog) { dialog->accept(); });
        Commands().Run(Command::Adjust);
        // The result is not in before the event loop runs again: the cancel comes first.
        auto* progress = m_app->MainFrame()->findChild<QProgressDialog*>(QStringLiteral("adjustProgress"));
        QVERIFY(progress);
        QVERIFY(!Commands().Action(Command::Adjust)->isEnabled());
        // Its cancel button, as the user presses it (the note shows only when the work lasts).
        auto* cancel = progress->findChild<QPushButton*>();
        QVERIFY(cancel);
        QCOMPARE(cancel->text(), QString(ComputeDialogTexts::CancelAdjusting));
        cancel->click();
        QCOMPARE(m_reporter.Messages(), QStringList{QString(ComputeDialogTexts::AdjustCancelled)});
        QVERIFY(Commands().Action(Command::Adjust)->isEnabled());
        // Once the worker has gone, whatever it finished with has had every chance to arrive.
        QTRY_VERIFY(m_app->MainFrame()->findChildren<CAdjustmentWorker*>().isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(TableRows(m_app->Store(), Tbl::AdjCoor), points);
        QCOMPARE(TableRows(m_app->Store(), Tbl::AdjResidual), residuals);
        QVERIFY(m_reports.isEmpty());
        QVERIFY(m_reporter.Questions().isEmpty());
    }
};

QTEST_MAIN(TestAdjustCommands)
#include "tst_adjust_commands.moc"
