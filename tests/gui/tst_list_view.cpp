#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/files/shown_list.h"
#include "recording_reporter.h"
#include "shown_list_rows.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/views/plx_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

// The list as the surveyor uses it: sorting by a header, the row count, column widths.
class TestListView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    CPlxView& View() { return *m_app->View(); }
    CCommandActions& Commands() { return m_app->Commands(); }

    void ClickHeader(int column)
    {
        QHeaderView* header = View().horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    QStringList Names()
    {
        QStringList names;
        for (int row = 0; row < View().RowCount(); ++row)
            names << View().CellText(row, 2);
        return names;
    }

    QString RowCountPane()
    {
        auto* pane = m_app->MainFrame()->statusBar()->findChild<QLabel*>(QStringLiteral("rowCountPane"));
        return pane ? pane->text() : QString();
    }

    void Start()
    {
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath(QStringLiteral("list.db")), &m_reporter, true});
        QVERIFY(m_app->InitInstance());
    }

private slots:
    void initTestCase()
    {
        // Widths the user sets are kept in the settings; these runs keep theirs apart.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("list"));
    }

    void init() { Start(); }

    void cleanup()
    {
        m_app->ExitInstance();
        m_app.reset();
    }

    // First click ascending, second descending, third the stored order again; numbers by
    // value; the table and the exports keep the stored order throughout.
    void headerClicksSortTheView()
    {
        RunStatement(m_app->Store(), "insert into CoorEdit values(1,'Manual_Input_Data','A','10','0','0','')");
        RunStatement(m_app->Store(), "insert into CoorEdit values(2,'Manual_Input_Data','B','9','0','0','')");
        RunStatement(m_app->Store(), "insert into CoorEdit values(3,'Manual_Input_Data','C','100.5','0','0','')");
        RunStatement(m_app->Store(), "insert into CoorEdit values(4,'Manual_Input_Data','D','2','0','0','')");
        Commands().Run(Command::ShowCoor);
        QCOMPARE(RowCountPane(), QStringLiteral("共 4 行"));

        ClickHeader(3);
        QCOMPARE(Names(), (QStringList{"D", "B", "A", "C"}));
        QVERIFY(View().horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(View().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        // What an export writes is the stored order, whatever the view shows.
        auto rows = ShownRows(m_app->Store(), View());
        QStringList exported;
        while (rows->Next())
            exported << rows->Text(2);
        QCOMPARE(exported, (QStringList{"A", "B", "C", "D"}));

        ClickHeader(3);
        QCOMPARE(Names(), (QStringList{"C", "A", "B", "D"}));
        QCOMPARE(View().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        ClickHeader(3);
        QCOMPARE(Names(), (QStringList{"A", "B", "C", "D"}));
        QVERIFY(!View().horizontalHeader()->isSortIndicatorShown());

        // Another column starts ascending again; a refresh shows the stored order.
        ClickHeader(2);
        ClickHeader(2);
        QCOMPARE(Names(), (QStringList{"D", "C", "B", "A"}));
        ClickHeader(3);
        QCOMPARE(Names(), (QStringList{"D", "B", "A", "C"}));
        Commands().Run(Command::ShowCoor);
        QCOMPARE(Names(), (QStringList{"A", "B", "C", "D"}));
        QCOMPARE(m_reporter.Messages(), QStringList{});
    }

    void rowCountFollowsTheList()
    {
        RunStatement(m_app->Store(), "begin");
        for (int i = 1; i <= 1000; ++i)
            RunStatement(m_app->Store(), QStringLiteral("insert into CodeEdit values(%1,'Import_Code Data','%1','K%1')").arg(i));
        RunStatement(m_app->Store(), "commit");
        Commands().Run(Command::ShowCode);
        // Counts are grouped by thousands, as a surveyor reads them.
        QCOMPARE(RowCountPane(), QStringLiteral("共 1,000 行"));
        QCOMPARE(View().RowCount(), 1000);
        // Far rows are read when asked for, whatever was read before.
        QCOMPARE(View().CellText(999, 3), QStringLiteral("K1000"));
        QCOMPARE(View().CellText(0, 3), QStringLiteral("K1"));
        QCOMPARE(View().CellText(500, 2), QStringLiteral("501"));
        Commands().Run(Command::ShowCoor);
        QCOMPARE(RowCountPane(), QStringLiteral("共 0 行"));
    }

    // A long Chinese point name is seen whole; a width the user sets stays across lists and runs.
    void columnWidthsFitAndStay()
    {
        const QString name = QStringLiteral("测量控制点甲乙丙丁");
        RunStatement(m_app->Store(), QStringLiteral("insert into CoorEdit values(1,'Manual_Input_Data','%1','1','2','3','')").arg(name));
        Commands().Run(Command::ShowCoor);
        QVERIFY(View().columnWidth(2) > 50);
        QVERIFY(View().columnWidth(2) >= View().fontMetrics().horizontalAdvance(name));
        QCOMPARE(View().columnWidth(3), 130); // wide enough already

        View().horizontalHeader()->resizeSection(4, 222);
        Commands().Run(Command::ShowCode);
        QCOMPARE(View().columnWidth(3), 150);
        Commands().Run(Command::ShowCoor);
        QCOMPARE(View().columnWidth(4), 222);

        m_app->ExitInstance();
        Start();
        Commands().Run(Command::ShowCoor);
        QCOMPARE(View().columnWidth(4), 222);
        QSettings().remove(QStringLiteral("list"));
    }
};

QTEST_MAIN(TestListView)
#include "tst_list_view.moc"
