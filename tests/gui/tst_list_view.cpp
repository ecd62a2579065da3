#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/files/shown_list.h"
#include "recording_reporter.h"
#include "shown_list_rows.h"
#include "core/store/bulk_insert.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"
#include "core/views/list_rows.h"
#include "gui/views/plx_view.h"

#include <QHeaderView>
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

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

    // `count` points named P1 … P<count>, stored last first, through the bulk insert.
    void AddPointsBackwards(int count)
    {
        CTransaction transaction(m_app->Store());
        CBulkInsert insert(m_app->Store(), QStringLiteral("CoorEdit"),
                           {"ID", "ATTR", "SN", "NCOOR", "ECOOR", "ZCOOR", "CODE"});
        for (int i = 0; i < count; ++i)
        {
            const QByteArray name = "P" + QByteArray::number(count - i);
            QVERIFY(insert.Add(i + 1, {"Import_Data", name, "1", "2", "3", ""}));
        }
        QVERIFY(insert.Finish());
        QVERIFY(transaction.Commit());
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

    // Names sort as they read: P1, P2, P10, P19 (runs of digits by value), not P1, P10, P19, P2.
    void namesSortNaturally()
    {
        for (const char* name : {"P10", "P2", "P19", "P1"})
            RunStatement(m_app->Store(), QStringLiteral("insert into CoorEdit values((select count(*)+1 from CoorEdit),"
                                                        "'Manual_Input_Data','%1','0','0','0','')").arg(name));
        Commands().Run(Command::ShowCoor);
        ClickHeader(2);
        QCOMPARE(Names(), (QStringList{"P1", "P2", "P10", "P19"}));
        ClickHeader(2);
        QCOMPARE(Names(), (QStringList{"P19", "P10", "P2", "P1"}));
    }

    // A long list is sorted on a worker: the pane shows how far it got, the window keeps
    // handling its events meanwhile, and the sorted rows then show. A cancelled sort leaves the
    // list in the order it showed.
    void longListsSortWhileTheWindowLives()
    {
        constexpr int Rows = 60000;
        AddPointsBackwards(Rows);
        Commands().Run(Command::ShowCoor);
        m_app->MainFrame()->show();
        QWidget* pane = m_app->MainFrame()->statusBar()->findChild<QWidget*>(QStringLiteral("sortPane"));
        QVERIFY(pane);
        QVERIFY(!pane->isVisible());
        QCOMPARE(View().CellText(0, 2), QStringLiteral("P60000"));

        int ticksWhileSorting = 0;
        QTimer ticker;
        ticker.setInterval(1);
        connect(&ticker, &QTimer::timeout, this, [&] { ticksWhileSorting += View().IsSorting() ? 1 : 0; });
        ticker.start();
        ClickHeader(2);
        QVERIFY(View().IsSorting());
        QVERIFY(pane->isVisible());
        QCOMPARE(View().CellText(0, 2), QStringLiteral("P60000")); // the old order until it is done
        QTRY_VERIFY_WITH_TIMEOUT(!View().IsSorting(), 20000);
        QVERIFY(ticksWhileSorting > 0);
        QVERIFY(!pane->isVisible());
        QCOMPARE(View().CellText(0, 2), QStringLiteral("P1"));
        QCOMPARE(View().CellText(1, 2), QStringLiteral("P2"));
        QCOMPARE(View().CellText(9, 2), QStringLiteral("P10"));
        QCOMPARE(View().CellText(Rows - 1, 2), QStringLiteral("P60000"));
        QVERIFY(View().horizontalHeader()->isSortIndicatorShown());

        // The next click would sort descending; cancelled, the ascending order stays.
        ClickHeader(2);
        QVERIFY(View().IsSorting());
        auto* cancel = pane->findChild<QToolButton*>(QStringLiteral("cancelSort"));
        QVERIFY(cancel);
        cancel->click();
        QVERIFY(!View().IsSorting());
        QVERIFY(!pane->isVisible());
        QCOMPARE(View().CellText(0, 2), QStringLiteral("P1"));
        QCOMPARE(View().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(m_reporter.Messages(), QStringList{});
    }

    // Several selected rows go after one question naming how many; exactly they go.
    void selectedRowsAreDeletedTogether()
    {
        for (const char* name : {"A", "B", "C", "D", "E"})
            RunStatement(m_app->Store(), QStringLiteral("insert into CoorEdit values((select count(*)+1 from CoorEdit),"
                                                        "'Manual_Input_Data','%1','0','0','0','')").arg(name));
        Commands().Run(Command::ShowCoor);
        QItemSelectionModel* selection = View().selectionModel();
        const auto select = [&](int row) {
            selection->select(View().model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        select(1);
        select(2);
        select(4);
        QAction* remove = m_app->MainFrame()->CommandAction(Command::DeleteRecord);
        QVERIFY(remove->isEnabled());

        m_reporter.SetAnswer(false);
        remove->trigger();
        QCOMPARE(m_reporter.Questions(), QStringList{"删除选中的 3 条记录？"});
        QCOMPARE(Names(), (QStringList{"A", "B", "C", "D", "E"}));

        m_reporter.Clear();
        m_reporter.SetAnswer(true);
        select(1);
        select(2);
        select(4);
        remove->trigger();
        QCOMPARE(m_reporter.Questions(), QStringList{"删除选中的 3 条记录？"});
        QCOMPARE(Names(), (QStringList{"A", "D"}));
        QCOMPARE(ReadListRows(m_app->Store(), DataKind::Coor).value(1).value(0), QStringLiteral("2")); // renumbered
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

    // A long list fits its columns to the widest value it holds, not only to its first rows.
    void columnsFitTheWidestValueOfALongList()
    {
        AddPointsBackwards(1000); // P1000 … P1: the first rows are the widest names, save one
        RunStatement(m_app->Store(), "update CoorEdit set SN = 'P1999999999999' where ID = 900");
        Commands().Run(Command::ShowCoor);
        const int wide = View().fontMetrics().horizontalAdvance(QStringLiteral("P1999999999999"));
        QTRY_VERIFY(View().columnWidth(2) >= wide);
        QCOMPARE(View().CellText(899, 2), QStringLiteral("P1999999999999"));
        QCOMPARE(m_reporter.Messages(), QStringList{});
    }
};

QTEST_MAIN(TestListView)
#include "tst_list_view.moc"
