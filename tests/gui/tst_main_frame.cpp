#include "gui/app/app_texts.h"
#include "gui/shell/command_actions.h"
#include "gui/app/command_panel.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "modal_answers.h"
#include "recording_reporter.h"
#include "gui/toolkit/cool_button_list.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "table_rows.h"
#include "core/views/data_kind.h"
#include "gui/views/list_model.h"
#include "gui/shell/session.h"
#include "gui/views/plx_view.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

#include <functional>

#include <unistd.h>

namespace
{
QStringList Captions(const CPlxView& view)
{
    QStringList captions;
    for (int i = 0; i < view.model()->columnCount(); ++i)
        captions << view.model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
    return captions;
}

QStringList ActionTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}
} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString DatabasePath() const { return m_dir.filePath(QStringLiteral("project.db")); }

private slots:
    void windowCarriesTitleMenusToolBarAndStatusPanes()
    {
        // A pane put where the status bar has no room for it lands elsewhere, and Qt says so.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QStatusBar")));
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        // The project's file names the window, as the task bar shows it.
        QCOMPARE(frame->windowTitle(), QStringLiteral("project.db - 全站仪后处理软件"));

        const QList<QAction*> menus = frame->menuBar()->actions();
        QCOMPARE(ActionTexts(menus), QStringList({"文件(&F)", "数据编辑(&E)", "串口通讯(&C)", "计算(&M)", "显示(&S)", "帮助(&H)"}));
        QCOMPARE(ActionTexts(menus[0]->menu()->actions()),
                 QStringList({"新建项目(&N)...", "打开项目(&P)...", "最近的项目(&R)", "-", "打开(&O)...", "输出文件(&E)...",
                              "列表导出(&L)...", "导出KML(&K)...", "导出GeoJSON(&G)...", "导出平面图(&M)...",
                              "输出SD卡文件(&D)...", "-", "退出(&X)"}));
        QCOMPARE(menus[0]->menu()->actions()[4]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(ActionTexts(menus[3]->menu()->actions()),
                 QStringList({"重算坐标(&R)...", "盘左盘右(&F)...", "导线计算(&T)...", "-", "重算结果(&L)",
                              "重算结果复制到坐标列表(&C)", "-", "导线等级(&G)...", "-", "平差计算(&A)...",
                              "自由设站(&S)...", "平差结果(&J)", "平差结果复制到坐标列表(&P)", "-", "坐标系统(&Y)...",
                              "坐标转换(&O)...", "转换参数(&N)..."}));
        QCOMPARE(ActionTexts(menus[4]->menu()->actions()), QStringList({"主工具栏(&T)", "左侧工具栏(&L)", "状态栏(&S)"}));
        for (QAction* toggle : menus[4]->menu()->actions())
            QVERIFY(toggle->isCheckable() && toggle->isChecked());
        QCOMPARE(ActionTexts(menus[5]->menu()->actions()), QStringList({"用户指南(&G)", "-", "关于 MERION(&A)..."}));
        QCOMPARE(menus[5]->menu()->actions()[0]->shortcut(), QKeySequence(Qt::Key_F1));
        // The About box names the version, the licence and the libraries the program runs on.
        QString about;
        WhenShown<QMessageBox>([&about](QMessageBox* box) {
            about = box->text();
            box->accept();
        });
        frame->CommandAction(Command::About)->trigger();
        QVERIFY2(about.contains(QStringLiteral("MERION 0.")) && about.contains(QStringLiteral("Qt 6.")) &&
                     about.contains(QStringLiteral("SQLite 3.")) && about.contains(QStringLiteral("保留所有权利")),
                 qPrintable(about));

        auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("mainToolBar"));
        QVERIFY(toolBar);
        QCOMPARE(ActionTexts(toolBar->actions()), QStringList({"读文件", "列表导出", "退出"}));
        QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

        // The panes as the status bar lays them out from left to right: the message, the sort's
        // progress (hidden) and the list's row count, the coordinate system (a new project has
        // none), the lock keys.
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QStringList panes;
        // The bar nests its panes' row in layouts of its own (beside the size grip).
        const std::function<void(QLayout*)> collect = [&panes, &collect](QLayout* layout) {
            for (int i = 0; i < layout->count(); ++i)
            {
                QLayoutItem* item = layout->itemAt(i);
                if (item->layout())
                    collect(item->layout());
                else if (auto* label = qobject_cast<QLabel*>(item->widget()))
                    panes << label->text();
                else if (QLabel* inner = item->widget() ? item->widget()->findChild<QLabel*>() : nullptr)
                    panes << inner->text();
            }
        };
        collect(frame->statusBar()->layout());
        QCOMPARE(panes, QStringList({"如需帮助，请按F1键", "正在排序…", "共 0 行", "坐标系统：未设置", "大写", "数字", "滚动"}));

        // Prompts of the commands: status text before the line break.
        QCOMPARE(frame->CommandAction(Command::Import)->statusTip(), QStringLiteral("导入文件"));
        QCOMPARE(frame->CommandAction(Command::ToggleStatusBar)->statusTip(), QString());
        QCOMPARE(frame->CommandAction(Command::ToggleStatusBar)->toolTip(), QStringLiteral("状态栏"));

        auto* tabs = frame->findChild<QTabWidget*>(QStringLiteral("clientTabs"));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("列表显示"));
        QCOMPARE(tabs->widget(0), app.View());
        QCOMPARE(tabs->tabText(1), QStringLiteral("平面图"));
        // The first update shows the seven coordinate columns and no rows.
        QCOMPARE(Captions(*app.View()).size(), 7);
        QCOMPARE(app.View()->RowCount(), 0);
        app.ExitInstance();
        QVERIFY(reporter.Messages().isEmpty());
    }

    void commandPanelButtonsSendTheirCommands()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        app.MainFrame()->show();
        CCommandPanel* panel = app.MainFrame()->CommandPanel();
        QCOMPARE(panel->PageCount(), 4);
        QCOMPARE(panel->PageTitle(0), QStringLiteral("文件管理"));
        QCOMPARE(panel->PageTitle(1), QStringLiteral("数据编辑"));
        QCOMPARE(panel->PageTitle(2), QStringLiteral("串口通讯"));
        QCOMPARE(panel->PageTitle(3), QStringLiteral("计算"));

        const QList<std::tuple<int, int, Command, QString, QString>> buttons = {
            {0, 0, Command::Import, "输入文件", "选择您要读取的文件"},
            {0, 1, Command::OutputFile, "输出文件", "输出文件到磁盘"},
            {0, 2, Command::SdCard, "输出SD卡文件", "保存为SD卡文件"},
            {1, 0, Command::ShowCoor, "常规坐标", "用户自定义坐标输入"},
            {1, 1, Command::ShowCode, "常规编码", "用户自定义编码输入"},
            {2, 0, Command::CommSettings, "通讯设置", "选择串口、波特率、数据位、停止位和校验位"},
            {2, 1, Command::Upload, "上传", "把坐标列表发送到仪器"},
            {2, 2, Command::Download, "下载", "从仪器接收测量作业并存入项目"},
            {3, 0, Command::ComputePoints, "重算坐标", "改正测站、后视后重算坐标"},
            {3, 1, Command::ComputeFaces, "盘左盘右", "检查盘左盘右观测"},
            {3, 2, Command::ComputeTraverse, "导线计算", "附合、闭合和支导线"},
            {3, 3, Command::ShowCalc, "重算结果", "列表和平面图显示重算坐标"},
            {3, 4, Command::Adjust, "平差计算", "方向、距离和高差的严密平差"},
            {3, 5, Command::FreeStation, "自由设站", "后方交会求测站坐标"},
            {3, 6, Command::ShowAdjusted, "平差结果", "列表和平面图显示平差坐标与误差椭圆"},
            {3, 7, Command::CoordSystem, "坐标系统", "投影带、EPSG 代码、地方坐标系"},
            {3, 8, Command::TransformList, "坐标转换", "换带、换坐标系、转经纬度"},
            {3, 9, Command::FitParameters, "转换参数", "四参数、七参数"},
        };
        QList<Command> sent;
        for (const auto& [page, position, command, label, tip] : buttons)
            app.Commands().Handle(command, [&sent, command = command] { sent << command; });
        app.Commands().Handle(Command::None, [&sent] { sent << Command::None; });
        QList<Command> expected;
        for (const auto& [page, position, command, label, tip] : buttons)
        {
            CCoolButtonList* list = panel->ButtonList(page);
            QCOMPARE(list->IndexOfCommand(int(command)), position);
            QCOMPARE(list->Label(position), label);
            QCOMPARE(list->ToolTipOf(position), tip);
            // A tip says what the button does; its title already shows the label.
            QVERIFY(list->ToolTipOf(position) != label);
            QCOMPARE(list->IconOf(position).size(), QSize(30, 30));
            if (page != panel->CurrentPage())
            {
                // Clicking the header opens the page.
                QTest::mouseClick(panel, Qt::LeftButton, {}, panel->HeaderRect(page).center());
                QCOMPARE(panel->CurrentPage(), page);
            }
            QVERIFY(list->isVisible());
            QTest::mouseClick(list, Qt::LeftButton, {}, list->ItemRect(position).center());
            expected << command;
        }
        // Each page ends with an empty entry that sends command 0, which the view ignores.
        for (int page = 0; page < 4; ++page)
        {
            CCoolButtonList* list = panel->ButtonList(page);
            QCOMPARE(list->Count(), page == 1 ? 3 : page == 3 ? 11 : 4);
            QCOMPARE(list->Label(list->Count() - 1), QString());
            QCOMPARE(list->CommandOf(list->Count() - 1), 0);
        }
        CCoolButtonList* compute = panel->ButtonList(3);
        QTest::mouseClick(compute, Qt::LeftButton, {}, compute->ItemRect(compute->Count() - 1).center());
        expected << Command::None;
        QCOMPARE(sent, expected);
        app.ExitInstance();
        QVERIFY(reporter.Messages().isEmpty());
    }

    void switchingKindsReplacesTheColumns()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        RunStatement(app.Store(), "insert into CoorEdit values(1,'Manual_Input_Data','P1','1.000','2.000','3.000',' C ')");
        CPlxView& view = *app.View();

        app.Session().SetCurrentKind(DataKind::Meas);
        app.Session().UpdateViews();
        QCOMPARE(Captions(view).size(), 15);
        QCOMPARE(view.columnWidth(1), 190);

        app.Commands().Run(Command::ShowCoor);
        QCOMPARE(app.Session().CurrentKind(), DataKind::Coor);
        QCOMPARE(Captions(view), QStringList({"序号", "列表属性", "点名", "北坐标(N)", "东坐标(E)", "高程(Z)", "代码"}));
        QCOMPARE(view.columnWidth(3), 130);
        QCOMPARE(view.RowCount(), 1);
        QCOMPARE(view.CellText(0, 6), QStringLiteral("C"));
        QCOMPARE(view.model()->data(view.model()->index(0, 1), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(view.model()->data(view.model()->index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

        app.Commands().Run(Command::ShowCode);
        QCOMPARE(Captions(view).size(), 4);
        QCOMPARE(view.RowCount(), 0);

        // The upload kinds show no list at all.
        app.Session().SetCurrentKind(DataKind::UploadT5);
        app.Session().UpdateViews();
        QCOMPARE(view.model()->columnCount(), 0);
        // A command nobody handles does nothing.
        app.Commands().Run(Command::ExportV2MeasNe);
        app.ExitInstance();
        QVERIFY(reporter.Messages().isEmpty());
    }

    void contextMenusFollowTheKindAndTheRowUnderTheCursor()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        CPlxView& view = *app.View();
        app.Commands().Run(Command::ShowCoor);

        std::unique_ptr<QMenu> below(view.CreateContextMenu(-1));
        QCOMPARE(below->title(), QStringLiteral("列表编辑"));
        QCOMPARE(ActionTexts(below->actions()), QStringList({"添加", "编辑", "-", "删除记录", "删除所有", "-", "数据导出"}));
        QList<bool> enabled;
        for (QAction* action : below->actions())
            if (!action->isSeparator())
                enabled << action->isEnabled();
        QCOMPARE(enabled, QList<bool>({true, false, false, true, true}));
        std::unique_ptr<QMenu> onRow(view.CreateContextMenu(0));
        for (QAction* action : onRow->actions())
            QVERIFY(action->isEnabled());

        app.Session().SetCurrentKind(DataKind::Meas);
        std::unique_ptr<QMenu> meas(view.CreateContextMenu(-1));
        QCOMPARE(meas->title(), QStringLiteral("740测量数据导出"));
        QCOMPARE(meas->actions().size(), 5);
        for (QAction* action : meas->actions())
            QVERIFY(!action->isEnabled());
        QCOMPARE(meas->actions()[3]->text(), QStringLiteral("导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE"));

        app.Session().SetCurrentKind(DataKind::V2Meas);
        std::unique_ptr<QMenu> v2(view.CreateContextMenu(2));
        QCOMPARE(v2->title(), QStringLiteral("520测量数据导出"));
        QCOMPARE(v2->actions().size(), 2);
        QVERIFY(v2->actions()[1]->isEnabled());

        app.Session().SetCurrentKind(DataKind::XSect);
        QCOMPARE(view.CreateContextMenu(0), nullptr);

        // A menu item sends its command to the view.
        app.Session().SetCurrentKind(DataKind::Code);
        int added = 0;
        app.Commands().Handle(Command::AddRecord, [&added] { ++added; });
        std::unique_ptr<QMenu> codes(view.CreateContextMenu(-1));
        codes->actions()[0]->trigger();
        QCOMPARE(added, 1);
    }

    void doubleClickRemembersTheRowAndEdits()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        app.MainFrame()->show();
        RunStatement(app.Store(), "insert into CoorEdit values(1,'Manual_Input_Data','P1','1.000','2.000','3.000','C')");
        CPlxView& view = *app.View();
        app.Commands().Run(Command::ShowCoor);
        QList<int> editedRows;
        app.Commands().Handle(Command::EditRecord, [&] { editedRows << view.RememberedRow(); });
        const QRect first = view.visualRect(view.model()->index(0, 2));
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(first.center().x(), first.bottom() + 40));
        QCOMPARE(editedRows, QList<int>({0, -1}));
        app.ExitInstance();
    }

    void barsHideAndShowWithTheirCheckMarks()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        frame->show();
        auto* leftBar = frame->findChild<QDockWidget*>(QStringLiteral("leftBar"));
        QVERIFY(leftBar->isVisible());
        QVERIFY(leftBar->width() >= 170);
        QAction* toggle = frame->CommandAction(Command::ToggleLeftBar);
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
        QVERIFY(!leftBar->isVisible());
        toggle->trigger();
        QVERIFY(leftBar->isVisible());

        frame->CommandAction(Command::ToggleStatusBar)->trigger();
        QVERIFY(!frame->statusBar()->isVisible());
        frame->CommandAction(Command::ToggleToolBar)->trigger();
        QVERIFY(!frame->findChild<QToolBar*>(QStringLiteral("mainToolBar"))->isVisible());
        app.ExitInstance();
    }

    void secondStartIsRefusedAndTouchesNothing()
    {
        CRecordingReporter firstReporter;
        CMerionApp first(AppOptions{DatabasePath(), &firstReporter, false});
        QVERIFY(first.InitInstance());
        RunStatement(first.Store(), "insert into CoorEdit values(1,'Manual_Input_Data','P1','1.000','2.000','3.000','C')");
        RunStatement(first.Store(), "insert into CodeEdit values(1,'Manual_Input_Data','1','KERB')");

        {
            CRecordingReporter secondReporter;
            CMerionApp second(AppOptions{DatabasePath(), &secondReporter, false});
            QVERIFY(!second.InitInstance());
            QCOMPARE(secondReporter.Messages(), QStringList({"Merion Application Already Running!"}));
            second.ExitInstance(); // a refused start has nothing to clear
            QCOMPARE(second.MainFrame(), nullptr);
        }
        QCOMPARE(CountRows(first.Store(), "CoorEdit"), 1);
        QCOMPARE(CountRows(first.Store(), "CodeEdit"), 1);
        first.ExitInstance();

        // Once the first copy has ended, the next start is welcome.
        CRecordingReporter thirdReporter;
        CMerionApp third(AppOptions{DatabasePath(), &thirdReporter, false});
        QVERIFY(third.InitInstance());
        third.ExitInstance();
        QVERIFY(thirdReporter.Messages().isEmpty());
    }

    // The running copy's project reached through a symbolic link or a hard link is the same
    // project: the second start is refused, and the first copy's lists stay.
    void secondStartThroughALinkIsRefused_data()
    {
        QTest::addColumn<bool>("symbolic");
        QTest::newRow("symbolic link") << true;
        QTest::newRow("hard link") << false;
    }
    void secondStartThroughALinkIsRefused()
    {
        QFETCH(bool, symbolic);
        const QString path = m_dir.filePath(QStringLiteral("linked.db"));
        QFile::remove(path);
        CRecordingReporter firstReporter;
        CMerionApp first(AppOptions{path, &firstReporter, false});
        QVERIFY(first.InitInstance());
        QVERIFY(RunStatement(first.Store(), "insert into CoorEdit values(1,'Manual_Input_Data','P1','1.000','2.000','3.000','C')"));

        QTemporaryDir elsewhere;
        const QString link = elsewhere.filePath(QStringLiteral("other-name.db"));
        if (symbolic)
            QVERIFY(QFile::link(path, link));
        else
            QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
        {
            CRecordingReporter secondReporter;
            CMerionApp second(AppOptions{link, &secondReporter, false});
            QVERIFY(!second.InitInstance());
            QCOMPARE(secondReporter.Messages(), QStringList({"Merion Application Already Running!"}));
            second.ExitInstance();
        }
        QCOMPARE(CountRows(first.Store(), "CoorEdit"), 1);
        first.ExitInstance();
        QVERIFY(firstReporter.Messages().isEmpty());
    }

    void normalExitEmptiesOnlyTheScratchTables()
    {
        const QString path = m_dir.filePath(QStringLiteral("exit.db"));
        CRecordingReporter reporter;
        {
            CMerionApp app(AppOptions{path, &reporter, false});
            QVERIFY(app.InitInstance());
            CProjectStore& store = app.Store();
            for (const char* statement :
                 {"insert into CoorEdit(ID,SN) values(1,'P1')", "insert into CodeEdit(ID,SN) values(1,'1')",
                  "insert into \"520BreakerSur\"(ID) values(1)", "insert into \"520RoadStake\"(ID) values(1)",
                  "insert into \"520SurLine\"(ID,STARTDIST) values(1,0)", "insert into \"740Meas\"(ID,SN) values(1,'P1')",
                  "insert into \"520Meas\"(ID,MARK) values(1,'M')",
                  "insert into COMConfig values(3,7,1,1,2,2)"})
                QVERIFY(RunStatement(store, QString::fromUtf8(statement)));
            app.ExitInstance();
        }
        CProjectStore check(path, &reporter);
        check.Connect();
        for (const QString table : {"CoorEdit", "CodeEdit", "520BreakerSur", "520RoadStake", "520SurLine"})
            QCOMPARE(CountRows(check, table), 0);
        for (const QString table : {"740Meas", "520Meas", "COMConfig"})
            QCOMPARE(CountRows(check, table), 1);
        check.Disconnect();
        QVERIFY(reporter.Messages().isEmpty());
    }

    void missingDatabaseFolderStillOpensTheWindow()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{m_dir.filePath(QStringLiteral("missing/folder/x.db")), &reporter, false});
        QVERIFY(app.InitInstance());
        QVERIFY(reporter.Messages().value(0).startsWith("Failed To Connect Database!\r\nError Message:"));
        QVERIFY(app.MainFrame());
        QCOMPARE(app.View()->RowCount(), 0);
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_main_frame.moc"
