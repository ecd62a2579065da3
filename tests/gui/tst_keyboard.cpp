#include "gui/shell/command_actions.h"
#include "gui/app/command_panel.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/shell/session.h"
#include "gui/edit/record_edit_dlg.h"
#include "gui/toolkit/cool_button_list.h"
#include "gui/views/plx_view.h"
#include "core/views/data_kind.h"
#include "started_app.h"
#include "shown_list_rows.h"
#include "visible_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace
{
// The mnemonic letter of a menu text ("导出(&E)..." gives 'E'); a null character when it has none.
QChar MnemonicOf(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    const QRegularExpressionMatch match = mnemonic.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toUpper() : QChar();
}

CRecordEditDlg* OnlyEditDialog()
{
    const QList<CRecordEditDlg*> dialogs = VisibleDialogs<CRecordEditDlg>();
    return dialogs.size() == 1 ? dialogs.first() : nullptr;
}

QStringList FieldNames(const QList<QLineEdit*>& fields)
{
    QStringList names;
    for (const QLineEdit* field : fields)
        names << field->objectName();
    return names;
}

// The object names of the widgets that Tab visits from the dialog's focus, in order: the
// first is where the focus is, and the walk ends on the last one.
QStringList TabWalk(QWidget* dialog, int steps)
{
    QStringList visited{dialog->focusWidget()->objectName()};
    for (int step = 1; step < steps; ++step)
    {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        visited << dialog->focusWidget()->objectName();
    }
    return visited;
}
} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private:
    CStartedApp m_started;
    CRecordingReporter& m_reporter = m_started.Reporter();

    CMerionApp& App() const { return m_started.App(); }
    CMainFrame* Frame() const { return App().MainFrame(); }
    CPlxView* View() const { return App().View(); }
    CCommandActions& Commands() const { return App().Commands(); }
    void Seed(const QStringList& statements) { m_started.Seed(statements); }
    void SeedThreePoints()
    {
        Seed({"insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(1,'Manual_Input_Data','P1','10.000','20.000','30.000','C1')",
              "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(2,'Import_Data','P2','11.500','21.500','31.500',' C2 ')",
              "insert into CoorEdit(ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values(3,'Import_Data','P3','12.000','22.000','32.000','C3')"});
        Commands().Run(Command::ShowCoor);
    }

private slots:
    void init()
    {
        QVERIFY(m_started.Start());
        Frame()->show();
        Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
    }
    void cleanup() { m_started.Stop(); }

    void menusOfferEveryPanelCommandWithUniqueMnemonics()
    {
        QHash<int, QAction*> menuCommands;
        QList<QChar> menuKeys;
        for (QAction* menuAction : Frame()->menuBar()->actions())
        {
            menuKeys << MnemonicOf(menuAction->text());
            QList<QChar> itemKeys;
            for (QAction* item : menuAction->menu()->actions())
            {
                if (item->isSeparator())
                    continue;
                itemKeys << MnemonicOf(item->text());
                if (item->data().isValid())
                    menuCommands.insert(item->data().toInt(), item);
            }
            // Within a menu each item has its own key.
            QVERIFY2(!itemKeys.contains(QChar()), qPrintable(menuAction->text()));
            QCOMPARE(QSet<QChar>(itemKeys.begin(), itemKeys.end()).size(), itemKeys.size());
        }
        QVERIFY(!menuKeys.contains(QChar()));
        QCOMPARE(QSet<QChar>(menuKeys.begin(), menuKeys.end()).size(), menuKeys.size());

        // With the panel hidden, every one of its commands is still a menu item away.
        Frame()->CommandAction(Command::ToggleLeftBar)->trigger();
        QList<Command> panelCommands;
        QList<Command> sent;
        CCommandPanel* panel = Frame()->CommandPanel();
        for (int page = 0; page < panel->PageCount(); ++page)
            for (int button = 0; button < panel->ButtonList(page)->Count(); ++button)
                if (const auto command = Command(panel->ButtonList(page)->CommandOf(button)); command != Command::None)
                {
                    panelCommands << command;
                    Commands().Handle(command, [&sent, command] { sent << command; });
                }
        QCOMPARE(panelCommands.size(), 18);
        for (const Command command : panelCommands)
        {
            QVERIFY2(menuCommands.contains(int(command)), qPrintable(QString::number(int(command))));
            menuCommands.value(int(command))->trigger();
        }
        QCOMPARE(sent, panelCommands);
    }

    void desktopShortcutsRunTheirCommands()
    {
        QList<Command> sent;
        for (const Command command : {Command::Import, Command::OutputFile})
            Commands().Handle(command, [&sent, command] { sent << command; });
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(View(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(sent, QList<Command>({Command::OutputFile, Command::Import}));
    }

    void deleteKeyAsksAndDeletesTheSelectedRow()
    {
        SeedThreePoints();
        QAction* remove = Frame()->CommandAction(Command::DeleteRecord);
        QCOMPARE(remove->shortcut(), QKeySequence(QKeySequence::Delete));
        // Nothing selected: nothing to delete, nothing asked.
        QVERIFY(!remove->isEnabled());
        QVERIFY(!Frame()->CommandAction(Command::EditRecord)->isEnabled());
        QVERIFY(Frame()->CommandAction(Command::AddRecord)->isEnabled());
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_Delete);
        QVERIFY(m_reporter.Questions().isEmpty());

        View()->selectRow(1);
        QVERIFY(remove->isEnabled());
        m_reporter.SetAnswer(false);
        QTest::keyClick(View(), Qt::Key_Delete);
        QCOMPARE(m_reporter.Questions(), QStringList({"Delete <P2> ?"}));
        QCOMPARE(View()->RowCount(), 3);

        m_reporter.SetAnswer(true);
        View()->selectRow(1);
        QTest::keyClick(View(), Qt::Key_Delete);
        QCOMPARE(ListRows(*View()), QStringList({"1|Manual_Input_Data|P1|10.000|20.000|30.000|C1",
                                                 "2|Import_Data|P3|12.000|22.000|32.000|C3"}));

        // Two rows selected go together, after one question naming how many.
        View()->selectAll();
        QVERIFY(remove->isEnabled());
        QVERIFY(Frame()->CopyAction()->isEnabled());
        m_reporter.Clear();
        m_reporter.SetAnswer(false);
        QTest::keyClick(View(), Qt::Key_Delete);
        QCOMPARE(m_reporter.Questions(), QStringList({"删除选中的 2 条记录？"}));
        QCOMPARE(View()->RowCount(), 2);

        // The job list cannot be edited by hand; its rows can still be copied.
        App().Session().SetCurrentKind(DataKind::Meas);
        View()->ShowTable(DataKind::Meas);
        QVERIFY(!Frame()->CommandAction(Command::AddRecord)->isEnabled());
        QVERIFY(!Frame()->CommandAction(Command::DeleteAll)->isEnabled());
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    void editMenuItemOpensTheSelectedRow()
    {
        SeedThreePoints();
        View()->selectRow(2);
        Frame()->CommandAction(Command::EditRecord)->trigger();
        CRecordEditDlg* dialog = OnlyEditDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->Fields().first()->text(), QStringLiteral("P3"));
    }

    void copyPutsTheSelectedRowsOnTheClipboardAsShown()
    {
        SeedThreePoints();
        QApplication::clipboard()->clear();
        View()->selectRow(0);
        View()->selectionModel()->select(View()->model()->index(1, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("1\tManual_Input_Data\tP1\t10.000\t20.000\t30.000\tC1\n"
                                "2\tImport_Data\tP2\t11.500\t21.500\t31.500\tC2\n"));

        // Cells come in the order the columns are shown after the user moved one.
        View()->horizontalHeader()->moveSection(6, 2);
        View()->clearSelection();
        View()->selectRow(2);
        Frame()->CopyAction()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3\tImport_Data\tC3\tP3\t12.000\t22.000\t32.000\n"));
    }

    void pointDialogWorksFromTheKeyboard()
    {
        Commands().Run(Command::ShowCoor);
        Commands().Run(Command::AddRecord);
        CRecordEditDlg* dialog = OnlyEditDialog();
        QVERIFY(dialog);
        QCOMPARE(FieldNames(dialog->Fields()), QStringList({"name", "north", "east", "height", "code"}));
        QCOMPARE(TabWalk(dialog, 8), QStringList({"name", "north", "east", "height", "code", "save", "cancel", "name"}));

        // Typing over the fields and Enter adds the point; the dialog stays for the next one.
        const QStringList typed = {"K7", "100.5", "200.25", "3", "WALL"};
        for (const QString& text : typed)
        {
            QLineEdit* field = qobject_cast<QLineEdit*>(dialog->focusWidget());
            QVERIFY(field);
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Tab);
        }
        QCOMPARE(dialog->focusWidget(), dialog->SaveButton());
        QTest::keyClick(dialog->Fields().last(), Qt::Key_Return);
        QCOMPARE(ListRows(*View()), QStringList({"1|Manual_Input_Data|K7|100.500|200.250|3.000|WALL"}));
        QCOMPARE(OnlyEditDialog(), dialog);
        // Ready for the next point: the name is selected for typing over.
        QCOMPARE(dialog->focusWidget(), dialog->Fields().first());
        QCOMPARE(dialog->Fields().first()->selectedText(), QStringLiteral("K7"));

        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        QVERIFY(VisibleDialogs<CRecordEditDlg>().isEmpty());
        QCOMPARE(View()->RowCount(), 1);
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    void editDialogStartsAtTheFirstChangeableFieldAndEnterSavesAndCloses()
    {
        SeedThreePoints();
        View()->SetRememberedRow(0);
        Commands().Run(Command::EditRecord);
        CRecordEditDlg* dialog = OnlyEditDialog();
        QVERIFY(dialog);
        // The name cannot change in an edit: the cursor starts in north and Tab skips the name.
        QCOMPARE(TabWalk(dialog, 7), QStringList({"north", "east", "height", "code", "save", "cancel", "north"}));
        QLineEdit* height = dialog->findChild<QLineEdit*>(QStringLiteral("height"));
        height->setFocus();
        height->selectAll();
        QTest::keyClicks(height, "35.125");
        QTest::keyClick(height, Qt::Key_Enter);
        QVERIFY(VisibleDialogs<CRecordEditDlg>().isEmpty());
        QCOMPARE(ListRows(*View()).value(0), QStringLiteral("1|Manual_Input_Data|P1|10.000|20.000|35.125|C1"));

        // Esc leaves a point as it was.
        View()->SetRememberedRow(1);
        Commands().Run(Command::EditRecord);
        dialog = OnlyEditDialog();
        QTest::keyClicks(dialog->focusWidget(), "999");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        QVERIFY(VisibleDialogs<CRecordEditDlg>().isEmpty());
        QCOMPARE(ListRows(*View()).value(1), QStringLiteral("2|Import_Data|P2|11.500|21.500|31.500|C2"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
