#include "core/files/text_import.h"
#include "core/plan/plan_data.h"
#include "core/store/project_store.h"
#include "gui/app/merion_app.h"
#include "core/results/result_store.h"
#include "gui/compute/grade_dialog.h"
#include "gui/compute/points_dialog.h"
#include "gui/compute/report_window.h"
#include "gui/compute/traverse_dialog.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "recording_reporter.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// The "计算" commands on the sample traverse job (tests/data/compute/traverse_job.txt; its
// working is written in tests/cli/tst_cli_compute.cpp): dialogs, the list of recomputed points,
// the reports and the copy into the coordinate list.
class TestComputeCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    CCommandActions& Commands() { return m_app->Commands(); }

    // Answers the report window that a command opens: keeps its document and closes it.
    void CloseReport(ReportDocument& document)
    {
        WhenShown<CReportWindow>([&document](CReportWindow* window) {
            document = window->Document();
            window->reject();
        });
    }

    static QString Lines(const ReportDocument& document)
    {
        return ReportAsText(document);
    }

    // The recomputed points as "name@station Z", read from the table itself.
    QStringList StoredHeights()
    {
        QStringList heights;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(m_dir.filePath("project.db"));
            if (!db.open())
                return {};
            QSqlQuery query(QStringLiteral("select SN, STATION, ZCOOR from CalcCoor order by ID"), db);
            while (query.next())
                heights << query.value(0).toString() + '@' + query.value(1).toString() + ' ' + query.value(2).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return heights;
    }

    // Sets the corrected height of `name` (a station's instrument height, or a target's).
    static void CorrectHeight(QTableWidget* table, const QString& name, bool station, const QString& metres)
    {
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 1)->text() == name && table->item(row, 0)->data(Qt::UserRole).toBool() == station)
                table->item(row, 3)->setText(metres);
    }

    void RouteThroughTheSample()
    {
        WhenShown<CTraverseDialog>([](CTraverseDialog* dialog) {
            auto* candidates = dialog->findChild<QListWidget*>(QStringLiteral("candidates"));
            auto* add = dialog->findChild<QPushButton*>(QStringLiteral("addPoint"));
            for (const char* name : {"A", "B", "S1", "S2", "C", "D"})
            {
                for (int i = 0; i < candidates->count(); ++i)
                    if (candidates->item(i)->data(Qt::UserRole).toString() == QLatin1String(name))
                        candidates->setCurrentRow(i);
                add->click();
            }
            QCOMPARE(dialog->Route(), QStringList({"A", "B", "S1", "S2", "C", "D"}));
            dialog->accept();
        });
    }

private slots:
    void init()
    {
        m_reporter.Clear();
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath("project.db"), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
        const Outcome imported = ImportFile(m_app->Store(), ImportType::T5, 0,
                                            QStringLiteral(MERION_TEST_DATA "/compute/traverse_job.txt"));
        QVERIFY(imported.Succeeded());
        m_app->Session().ShowTable(DataKind::Meas);
    }
    void cleanup()
    {
        m_app->ExitInstance();
        m_app.reset();
        QFile::remove(m_dir.filePath("project.db"));
    }

    void pointsAreListedAndReported()
    {
        WhenShown<CPointsDialog>([](CPointsDialog* dialog) { dialog->accept(); });
        ReportDocument report;
        CloseReport(report);
        Commands().Run(Command::ComputePoints);
        QCOMPARE(m_app->Session().CurrentKind(), DataKind::Calc);
        QCOMPARE(m_app->View()->RowCount(), 5);
        QCOMPARE(report.title, QStringLiteral("重算坐标"));
        // S1 from B lies 5.0 mm south of the instrument's coordinates (worked in the CLI test).
        QVERIFY(Lines(report).contains(QStringLiteral("-5.0")));

        // Copied into the coordinate list, after the question.
        Commands().Run(Command::CopyCalcToCoor);
        QCOMPARE(m_reporter.Questions().size(), 1);
        QCOMPARE(m_app->Session().CurrentKind(), DataKind::Coor);
        QCOMPARE(m_app->View()->RowCount(), 5);
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    void traverseFromTheChosenRoute()
    {
        RouteThroughTheSample();
        ReportDocument report;
        CloseReport(report);
        Commands().Run(Command::ComputeTraverse);
        QCOMPARE(report.title, QStringLiteral("导线计算"));
        const QString text = Lines(report);
        QVERIFY2(text.contains(QStringLiteral("+21.6″")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("1/63426")));
        QVERIFY(text.contains(QStringLiteral("二级")));
        QVERIFY(m_reporter.Messages().isEmpty());

        // The stations are listed in the route's order with the corrections they received
        // (compass rule, worked in the command-line test: S1 −3.1 mm N, S2 −5.4 mm N; C the whole
        // −fx = −8.5 mm, −fy = −1.8 mm).
        QCOMPARE(m_app->Session().CurrentKind(), DataKind::Traverse);
        QCOMPARE(m_app->View()->RowCount(), 4);
        QCOMPARE(m_app->View()->CellText(1, 2), QStringLiteral("S1"));
        QCOMPARE(m_app->View()->CellText(1, 3), QStringLiteral("999.9952"));
        QCOMPARE(m_app->View()->CellText(3, 5), QStringLiteral("-8.5"));
        QCOMPARE(m_app->View()->CellText(3, 6), QStringLiteral("-1.8"));

        // The plan joins B, S1, S2, C by three legs and draws the misclosure at C, from the
        // known point towards where the observations alone ended (+fx north, +fy east),
        // enlarged so that it can be seen beside legs of 200 m.
        const PlanData plan = ReadPlanData(m_app->Store(), DataKind::Traverse);
        // (The coordinate list's points are drawn beside them, as on every plan.)
        QCOMPARE(std::count_if(plan.points.begin(), plan.points.end(), [](const PlanPoint& p) { return p.listRow >= 0; }),
                 4);
        QCOMPARE(plan.sights.size(), size_t(3));
        QCOMPARE(plan.residuals.size(), size_t(1));
        QCOMPARE(plan.residuals.front().east, 1400.0);
        QCOMPARE(plan.residuals.front().north, 1150.0);
        QVERIFY(qAbs(plan.residuals.front().toNorth - 0.0085) < 1e-9);
        QVERIFY(qAbs(plan.residuals.front().toEast - 0.0018) < 1e-9);
        QVERIFY(plan.exaggeration >= 1000);
        QVERIFY(plan.misclosure);
    }

    void correctedHeightsMoveThePointsHeights()
    {
        // Every pointing of the sample is level (VA 90°), so without the earth's curvature and
        // refraction Z = Zs + IH − PH = 50 + 1.5 − 1.5.
        // With B's instrument height corrected to 1.600, S1 seen from B rises by 0.100 m; with
        // S2's target height corrected to 1.400, S2 rises by 0.100 m from S1 and from C alike;
        // B seen from S1 keeps 50.000.
        WhenShown<CPointsDialog>([](CPointsDialog* dialog) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("heightTable"));
            QVERIFY(table);
            CorrectHeight(table, QStringLiteral("B"), true, QStringLiteral("1.600"));
            CorrectHeight(table, QStringLiteral("S2"), false, QStringLiteral("1.400"));
            dialog->findChild<QCheckBox*>()->setChecked(false);
            dialog->accept();
        });
        ReportDocument report;
        CloseReport(report);
        Commands().Run(Command::ComputePoints);
        const QStringList heights = StoredHeights();
        QVERIFY2(heights.contains(QStringLiteral("S1@B 50.1000")), qPrintable(heights.join('|')));
        QVERIFY2(heights.contains(QStringLiteral("S2@S1 50.1000")), qPrintable(heights.join('|')));
        QVERIFY2(heights.contains(QStringLiteral("S2@C 50.1000")), qPrintable(heights.join('|')));
        QVERIFY2(heights.contains(QStringLiteral("B@S1 50.0000")), qPrintable(heights.join('|')));
    }

    void theGradeTableDecidesTheVerdict()
    {
        // A limit that is no number is refused naming its column, and the dialog comes back
        // holding the edit. 二级 narrowed from 16″ to 10″√n: the sample's fβ = 21.6″ over n = 4
        // exceeds 10·√4 = 20″, so the strictest grade met is 三级 (24·√4 = 48″, 1/5000).
        WhenShown<CGradeDialog>([](CGradeDialog* dialog) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("gradeTable"));
            QCOMPARE(table->rowCount(), 6);
            QCOMPARE(table->item(3, 0)->text(), QStringLiteral("二级"));
            table->item(3, 2)->setText(QStringLiteral("ten"));
            dialog->accept();
            WhenShown<CGradeDialog>([](CGradeDialog* again) {
                auto* table = again->findChild<QTableWidget*>(QStringLiteral("gradeTable"));
                QCOMPARE(table->item(3, 2)->text(), QStringLiteral("ten"));
                table->item(3, 2)->setText(QStringLiteral("10"));
                again->accept();
            });
        });
        Commands().Run(Command::EditTraverseGrades);
        QCOMPARE(m_reporter.TakeMessages().size(), 1);
        QList<TraverseGrade> grades;
        QVERIFY(ReadTraverseGrades(m_app->Store(), grades).Succeeded());
        QCOMPARE(grades.size(), 6);
        QCOMPARE(grades.at(3).angleSecondsPerRoot, 10.0);

        RouteThroughTheSample();
        ReportDocument report;
        CloseReport(report);
        Commands().Run(Command::ComputeTraverse);
        const QString text = Lines(report);
        QVERIFY2(text.contains(QStringLiteral("三级")) && !text.contains(QStringLiteral("二级")), qPrintable(text));
    }

    void bothFacesWithoutPairs()
    {
        // The sample has no both-face pointings: the report lists no station.
        ReportDocument report;
        CloseReport(report);
        Commands().Run(Command::ComputeFaces);
        QCOMPARE(report.title, QStringLiteral("盘左盘右"));
        QVERIFY(report.sections.isEmpty());
    }
};

QTEST_MAIN(TestComputeCommands)
#include "tst_compute_commands.moc"
