#include "core/store/project_store.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/command_table.h"
#include "gui/shell/command_texts.h"
#include "gui/shell/session.h"
#include "gui/shell/worker.h"
#include "recording_reporter.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace
{
// A worker kind of the tests' own: the job counts until told to stop or until `limit`, and
// hands back how far it came.
class CCountingWorker : public CWorker
{
    Q_OBJECT
public:
    using CWorker::CWorker;
    ~CCountingWorker() override { StopAndWait(); }

    void Start(int limit, std::atomic<bool>* ended)
    {
        Launch([this, limit, ended](const std::atomic<bool>& stop) {
            int count = 0;
            while (!stop && count < limit)
            {
                ++count;
                QThread::usleep(100);
            }
            emit Counted(count, QThread::currentThread() != thread());
            if (ended)
                *ended = true;
        });
    }

signals:
    void Counted(int count, bool offTheWindowThread);
};

QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text() + (action->isEnabled() ? "" : " (off)"));
    return texts;
}
} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    // The windows follow one another through the session alone, so the order of its
    // announcements is what keeps the list, the plan and the menus in step.
    void showingATableAnnouncesKindColumnsAndRowsInOrder()
    {
        QTemporaryDir dir;
        CRecordingReporter reporter;
        CSession session(std::make_unique<CProjectStore>(dir.filePath("p.db"), &reporter), reporter, nullptr);
        QCOMPARE(session.CurrentKind(), DataKind::Coor); // a run starts on the coordinates
        QStringList heard;
        connect(&session, &CSession::CurrentKindChanged, this,
                [&](DataKind kind) { heard << QStringLiteral("kind %1").arg(NumberOf(kind)); });
        connect(&session, &CSession::ShownRowsCleared, this, [&] { heard << "cleared"; });
        connect(&session, &CSession::ViewsNeedUpdate, this, [&] { heard << "columns"; });
        connect(&session, &CSession::TableShown, this,
                [&](DataKind kind) { heard << QStringLiteral("rows %1").arg(NumberOf(kind)); });

        session.ShowTable(DataKind::Code);
        QCOMPARE(heard, QStringList({"kind 22", "cleared", "columns", "rows 22"}));
        // The same table again is shown afresh, but the kind did not change.
        heard.clear();
        session.ShowTable(DataKind::Code);
        QCOMPARE(heard, QStringList({"cleared", "columns", "rows 22"}));
        heard.clear();
        session.SetCurrentKind(DataKind::Code);
        session.SetCurrentKind(DataKind::Meas);
        session.UpdateViews();
        QCOMPARE(heard, QStringList({"kind 74001", "columns"}));
        QCOMPARE(session.CurrentKind(), DataKind::Meas);
    }

    void selectionIsAnnouncedOnlyWhenItChanges()
    {
        QTemporaryDir dir;
        CRecordingReporter reporter;
        CSession session(std::make_unique<CProjectStore>(dir.filePath("p.db"), &reporter), reporter, nullptr);
        int changes = 0;
        connect(&session, &CSession::SelectionChanged, this, [&] { ++changes; });
        QList<int> requested;
        connect(&session, &CSession::RowRequested, this, [&](int position) { requested << position; });

        QCOMPARE(session.Selected().singleRow, -1);
        QVERIFY(!session.Selected().any);
        session.SetSelection({3, true, 7});
        session.SetSelection({3, true, 7});
        QCOMPARE(changes, 1);
        session.SetSelection({-1, true, 7}); // a second row joined
        QCOMPARE(changes, 2);
        QCOMPARE(session.Selected().currentPosition, 7);
        session.RequestRowAt(12);
        QCOMPARE(requested, QList<int>{12});
        QCOMPARE(changes, 2); // a request is no selection yet: the list makes it
    }

    void everyCommandStandsOnceInTheTable()
    {
        QSet<int> seen;
        for (const CommandRow& row : CommandTable())
        {
            QVERIFY2(!seen.contains(int(row.command)), qPrintable(QString::number(int(row.command))));
            seen << int(row.command);
            // A command on the panel or in a context menu is also in the menu bar or the
            // list, so the keyboard reaches it; a page button always has its words and tip.
            if (row.page != PanelPage::None)
                QVERIFY(row.panelWords && row.panelTip && row.menu != MenuPlace::None);
            if (row.context != ContextGroup::None)
                QVERIFY(row.contextWords);
        }
        QCOMPARE(StatusPrompt(CommandRowOf(Command::Import)), QStringLiteral("导入文件"));
        QCOMPARE(PromptToolTip(CommandRowOf(Command::Import)), QStringLiteral("导入文件"));
        QCOMPARE(StatusPrompt(CommandRowOf(Command::ToggleLeftBar)), QString());
        QCOMPARE(PromptToolTip(CommandRowOf(Command::ToggleLeftBar)), QStringLiteral("左侧工具栏"));
        QCOMPARE(MenuText(CommandRowOf(Command::SdCard)), QStringLiteral("输出SD卡文件(&D)..."));
        QCOMPARE(MenuText(CommandRowOf(Command::ShowCode)), QStringLiteral("常规编码(&B)"));
        QCOMPARE(MenuText(CommandRowOf(Command::MenuExit)), QStringLiteral("退出(&X)"));
    }

    // Chinese words take the key in brackets after them; English words underline it in place,
    // or in brackets when the word lacks the letter.
    void menuItemsPlaceTheirMnemonic()
    {
        QCOMPARE(CommandTexts::MenuItem("上传", 'U', true), QStringLiteral("上传(&U)..."));
        QCOMPARE(CommandTexts::MenuItem("Upload", 'U', true), QStringLiteral("&Upload..."));
        QCOMPARE(CommandTexts::MenuItem("Delete all", 'L', false), QStringLiteral("De&lete all"));
        QCOMPARE(CommandTexts::MenuItem("Codes", 'B', false), QStringLiteral("Codes(&B)"));
    }

    void actionsRunTheLastHandlerGivenAndNothingWithout()
    {
        CCommandActions commands(nullptr);
        QStringList ran;
        commands.Run(Command::Upload); // no handler yet: nothing happens
        commands.Handle(Command::Upload, [&] { ran << "first"; });
        commands.Handle(Command::Upload, [&] { ran << "second"; });
        commands.Action(Command::Upload)->trigger();
        QCOMPARE(ran, QStringList{"second"});
        QCOMPARE(commands.Action(Command::Upload)->objectName(), QStringLiteral("cmd_57676"));
        QCOMPARE(commands.Action(Command::Upload)->statusTip(), QStringLiteral("串口数据上传"));
        QVERIFY(commands.Action(Command::ToggleToolBar)->isCheckable() && commands.Action(Command::ToggleToolBar)->isChecked());

        // From the menu bar an editing command first asks for the selected row.
        commands.Handle(Command::EditRecord, [&] { ran << "edit"; });
        connect(&commands, &CCommandActions::SelectedRowCommandRequested, this, [&] { ran << "row"; });
        commands.Action(Command::EditRecord)->trigger();
        QCOMPARE(ran, QStringList({"second", "row", "edit"}));
        // A context menu's item runs it on the row already remembered.
        std::unique_ptr<QMenu> menu(commands.CreateContextMenu(ContextGroup::ListEdit, true, nullptr));
        menu->actions()[1]->trigger();
        QCOMPARE(ran.last(), QStringLiteral("edit"));
        QCOMPARE(ran.count("row"), 1);
    }

    void contextMenusOfferTheirGroupWithRowCommandsOnlyOnARow()
    {
        CCommandActions commands(nullptr);
        std::unique_ptr<QMenu> below(commands.CreateContextMenu(ContextGroup::ListEdit, false, nullptr));
        QCOMPARE(below->title(), QStringLiteral("列表编辑"));
        QCOMPARE(MenuTexts(*below),
                 QStringList({"添加", "编辑 (off)", "-", "删除记录 (off)", "删除所有", "-", "数据导出"}));
        std::unique_ptr<QMenu> v2(commands.CreateContextMenu(ContextGroup::V2MeasExport, true, nullptr));
        QCOMPARE(v2->title(), QStringLiteral("520测量数据导出"));
        QCOMPARE(v2->actions()[0]->objectName(), QStringLiteral("cmd_32793"));
        QCOMPARE(v2->actions().size(), 2);
    }

    // The one background pattern: the result comes back on the window's thread, the worker
    // goes by itself afterwards, and a stop ends the job early.
    void aWorkerHandsBackOneResultAndGoes()
    {
        QObject owner;
        QPointer<CCountingWorker> worker = new CCountingWorker(&owner);
        QList<int> counts;
        bool elsewhere = false;
        connect(worker, &CCountingWorker::Counted, this, [&](int count, bool offThread) {
            counts << count;
            elsewhere = offThread;
            QCOMPARE(QThread::currentThread(), thread());
        });
        worker->Start(5, nullptr);
        QVERIFY(worker->IsRunning());
        QTRY_COMPARE(counts, QList<int>{5});
        QVERIFY(elsewhere);
        QTRY_VERIFY(!worker);
    }

    void cancelEndsTheJobAtItsNextLook()
    {
        QObject owner;
        auto* worker = new CCountingWorker(&owner);
        QList<int> counts;
        connect(worker, &CCountingWorker::Counted, this, [&](int count, bool) { counts << count; });
        worker->Start(std::numeric_limits<int>::max(), nullptr);
        worker->Cancel();
        QTRY_COMPARE(counts.size(), 1);
        QVERIFY(counts.first() < std::numeric_limits<int>::max());
    }

    void anOwnerThatGoesStopsAndWaitsForItsWorker()
    {
        std::atomic<bool> ended = false;
        QList<int> counts;
        {
            QObject owner;
            auto* worker = new CCountingWorker(&owner);
            connect(worker, &CCountingWorker::Counted, this, [&](int count, bool) { counts << count; });
            worker->Start(std::numeric_limits<int>::max(), &ended);
        }
        QVERIFY(ended); // the job had finished when its owner was gone
        // Whoever still listens hears its one result, cut short by the stop.
        QTRY_COMPARE(counts.size(), 1);
        QVERIFY(counts.first() < std::numeric_limits<int>::max());
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
