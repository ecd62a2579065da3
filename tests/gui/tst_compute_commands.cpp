#include "core/files/text_import.h"
#include "core/store/project_store.h"
#include "gui/app/merion_app.h"
#include "gui/compute/points_dialog.h"
#include "gui/compute/report_window.h"
#include "gui/compute/traverse_dialog.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "recording_reporter.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
        ReportDocument report;
        CloseReport(report);
        Commands().Run(Command::ComputeTraverse);
        QCOMPARE(report.title, QStringLiteral("导线计算"));
        const QString text = Lines(report);
        QVERIFY2(text.contains(QStringLiteral("+21.6″")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("1/63426")));
        QVERIFY(text.contains(QStringLiteral("二级")));
        QVERIFY(m_reporter.Messages().isEmpty());
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
