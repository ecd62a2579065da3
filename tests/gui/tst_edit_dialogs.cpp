#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/edit/record_edit_dlg.h"
#include "recording_reporter.h"
#include "visible_dialogs.h"
#include "shown_list_rows.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QList<CRecordEditDlg*> OpenDialogs()
{
    return VisibleDialogs<CRecordEditDlg>();
}

CRecordEditDlg* TheDialog()
{
    const QList<CRecordEditDlg*> dialogs = OpenDialogs();
    return dialogs.size() == 1 ? dialogs.first() : nullptr;
}

QStringList Labels(const QWidget* dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

QLineEdit* Field(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
}

void Type(const QWidget* dialog, const char* name, const QString& text)
{
    QLineEdit* edit = Field(dialog, name);
    QVERIFY(edit);
    edit->setText(text);
}

void Save(const QWidget* dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
}
} // namespace

class TestEditDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;
    CPlxView* View() const { return m_app->View(); }
    CCommandActions& Commands() const { return m_app->Commands(); }

    void Seed(const QStringList& statements)
    {
        for (const QString& statement : statements)
            QVERIFY(RunStatement(m_app->Store(), statement));
    }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath("project.db"));
        m_reporter.Clear();
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath("project.db"), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
    }
    void cleanup()
    {
        for (CRecordEditDlg* dialog : OpenDialogs())
            delete dialog;
        m_app->ExitInstance();
        m_app.reset();
    }

    void addPointDialogStaysOpenForTheNextPoint();
    void editPointDialogIsFilledFromTheRowAndCloses();
    void doubleClickBelowTheLastRowOpensAnEmptyDialogThatCannotSave();
    void codeDialogsCarryTheirCaptionsAndLabels();
    void alignmentDialogCarriesItsNoteAndRowValues();
    void deleteCommandsAskAndRefreshTheList();
    void otherListsOpenNoDialog();
};

void TestEditDialogs::addPointDialogStaysOpenForTheNextPoint()
{
    View()->ShowTable(DataKind::Coor);
    Commands().Run(Command::AddRecord);
    CRecordEditDlg* dialog = TheDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Coor"));
    QCOMPARE(dialog->SaveButton()->text(), QStringLiteral("Add"));
    QCOMPARE(dialog->findChild<QPushButton*>("cancel")->text(), QStringLiteral("取消"));
    QCOMPARE(Labels(dialog), QStringList({"点名:", "北坐标(N):", "东坐标(E):", "高程(Z):", "编码:"}));
    QCOMPARE(dialog->pos(), QPoint(350, 250));
    QVERIFY(Field(dialog, "name")->isEnabled());

    // A new point starts with its numbers empty: a name alone is refused, naming the first
    // number, and the cursor is put where the number is missing.
    for (const char* number : {"north", "east", "height"})
        QVERIFY(Field(dialog, number)->text().isEmpty());
    Type(dialog, "name", "P1");
    Save(dialog);
    QCOMPARE(m_reporter.TakeMessages(), QStringList({"北坐标(N) Must Be A Number!"}));
    QCOMPARE(dialog->focusWidget(), Field(dialog, "north"));
    QVERIFY(ListRows(*View()).isEmpty());

    Type(dialog, "north", "1234567.8912");
    Type(dialog, "east", "200.25");
    Type(dialog, "code", "TREE");
    Save(dialog);
    QCOMPARE(m_reporter.TakeMessages(), QStringList({"高程(Z) Must Be A Number!"}));
    QCOMPARE(dialog->focusWidget(), Field(dialog, "height"));
    Type(dialog, "height", "0");
    Save(dialog);
    QVERIFY(m_reporter.Messages().isEmpty());
    QCOMPARE(ListRows(*View()), QStringList({"1|Manual_Input_Data|P1|1234567.891|200.250|0.000|TREE"}));
    QCOMPARE(TheDialog(), dialog);
    QCOMPARE(Field(dialog, "name")->text(), QStringLiteral("P1"));

    // The same values again are refused; a changed name goes in as the next point.
    Save(dialog);
    QCOMPARE(m_reporter.TakeMessages(), QStringList({"PT Name Already Exists,Please Rename!"}));
    Type(dialog, "name", "P2");
    Type(dialog, "height", "12.5 m");
    Save(dialog);
    QCOMPARE(m_reporter.TakeMessages(), QStringList({"高程(Z) Must Be A Number!"}));
    Type(dialog, "height", "12.5");
    Save(dialog);
    QCOMPARE(ListRows(*View()).value(1), QStringLiteral("2|Manual_Input_Data|P2|1234567.891|200.250|12.500|TREE"));
    QCOMPARE(TheDialog(), dialog);
}

void TestEditDialogs::editPointDialogIsFilledFromTheRowAndCloses()
{
    Seed({"insert into CoorEdit values (1, 'Import_Data', 'A', '1.000', '2.000', '3.000', 'X')",
          "insert into CoorEdit values (2, 'Import_Data', 'B', '10.000', '20.000', '30.000', '  WALL ')"});
    View()->ShowTable(DataKind::Coor);
    View()->SetRememberedRow(1);
    Commands().Run(Command::EditRecord);
    CRecordEditDlg* dialog = TheDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Coor Edit"));
    QCOMPARE(dialog->SaveButton()->text(), QStringLiteral("Save"));
    QVERIFY(!Field(dialog, "name")->isEnabled());
    QCOMPARE(Field(dialog, "name")->text(), QStringLiteral("B"));
    QCOMPARE(Field(dialog, "north")->text(), QStringLiteral("10.000"));
    QCOMPARE(Field(dialog, "east")->text(), QStringLiteral("20.000"));
    QCOMPARE(Field(dialog, "height")->text(), QStringLiteral("30.000"));
    QCOMPARE(Field(dialog, "code")->text(), QStringLiteral("WALL"));

    Type(dialog, "north", "11");
    Type(dialog, "code", "FENCE");
    Save(dialog);
    QVERIFY(m_reporter.Messages().isEmpty());
    QVERIFY(OpenDialogs().isEmpty());
    QCOMPARE(ListRows(*View()), QStringList({"1|Import_Data|A|1.000|2.000|3.000|X",
                                             "2|Import_Data|B|11.000|20.000|30.000|FENCE"}));
}

void TestEditDialogs::doubleClickBelowTheLastRowOpensAnEmptyDialogThatCannotSave()
{
    Seed({"insert into CoorEdit values (1, 'Import_Data', 'A', '1.000', '2.000', '3.000', 'X')"});
    m_app->MainFrame()->show();
    View()->ShowTable(DataKind::Coor);
    QVERIFY(QTest::qWaitForWindowExposed(View()->window()));
    const QPoint below(20, View()->viewport()->height() - 5);
    QVERIFY(!View()->indexAt(below).isValid());
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, below);

    CRecordEditDlg* dialog = TheDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Coor Edit"));
    QVERIFY(!Field(dialog, "name")->isEnabled());
    for (const char* field : {"name", "north", "east", "height", "code"})
        QVERIFY2(Field(dialog, field)->text().isEmpty(), field);
    Save(dialog);
    QCOMPARE(m_reporter.TakeMessages(), QStringList({"PT Name Can't Be Null!"}));
    QCOMPARE(TheDialog(), dialog);
    QCOMPARE(ListRows(*View()), QStringList({"1|Import_Data|A|1.000|2.000|3.000|X"}));
}

void TestEditDialogs::codeDialogsCarryTheirCaptionsAndLabels()
{
    View()->ShowTable(DataKind::Code);
    Commands().Run(Command::AddRecord);
    CRecordEditDlg* add = TheDialog();
    QVERIFY(add);
    QCOMPARE(add->windowTitle(), QStringLiteral("Add Code"));
    QCOMPARE(add->SaveButton()->text(), QStringLiteral("Add"));
    QCOMPARE(Labels(add), QStringList({"编号:", "编码:"}));
    Type(add, "number", "7");
    Type(add, "code", "TREE");
    Save(add);
    QCOMPARE(ListRows(*View()), QStringList({"1|Manual_Input_Data|7|TREE"}));
    add->close();

    View()->SetRememberedRow(0);
    Commands().Run(Command::EditRecord);
    CRecordEditDlg* edit = TheDialog();
    QVERIFY(edit);
    QCOMPARE(edit->windowTitle(), QStringLiteral("Code Edit"));
    QCOMPARE(edit->SaveButton()->text(), QStringLiteral("Save"));
    QVERIFY(!Field(edit, "number")->isEnabled());
    QCOMPARE(Field(edit, "number")->text(), QStringLiteral("7"));
    Type(edit, "code", "OAK");
    Save(edit);
    QVERIFY(OpenDialogs().isEmpty());
    QCOMPARE(ListRows(*View()), QStringList({"1|Manual_Input_Data|7|OAK"}));
    QVERIFY(m_reporter.Messages().isEmpty());
}

void TestEditDialogs::alignmentDialogCarriesItsNoteAndRowValues()
{
    View()->ShowTable(DataKind::Alignment);
    Commands().Run(Command::AddRecord);
    CRecordEditDlg* add = TheDialog();
    QVERIFY(add);
    QCOMPARE(add->windowTitle(), QStringLiteral("道路测量-平面定线"));
    QCOMPARE(add->SaveButton()->text(), QStringLiteral("Add"));
    QCOMPARE(Labels(add), QStringList({"序号:", "定线类型:", "起始里程:", "半径:", "北坐标(N):", "东坐标(E):",
                                       "(定线类型 : 0-直线,1-圆曲线,2-缓和曲线,3-终点)"}));
    for (const char* type : {"1", "0"})
    {
        Type(add, "lineType", type);
        Type(add, "startDist", type == QStringLiteral("1") ? "150" : "0");
        Type(add, "radius", "500");
        Type(add, "north", "100");
        Type(add, "east", "200");
        Save(add);
    }
    // Listed by start chainage, numbered in the order typed.
    QCOMPARE(ListRows(*View()), QStringList({"2|Manual_Input_Data|0|0|500|100|200",
                                             "1|Manual_Input_Data|1|150|500|100|200"}));
    add->close();

    View()->SetRememberedRow(1);
    Commands().Run(Command::EditRecord);
    CRecordEditDlg* edit = TheDialog();
    QVERIFY(edit);
    QCOMPARE(edit->SaveButton()->text(), QStringLiteral("Save"));
    QCOMPARE(Field(edit, "sequence")->text(), QStringLiteral("1"));
    QCOMPARE(Field(edit, "startDist")->text(), QStringLiteral("150"));
    QCOMPARE(Field(edit, "radius")->text(), QStringLiteral("500"));
    Type(edit, "radius", "800");
    Save(edit);
    QVERIFY(OpenDialogs().isEmpty());
    QCOMPARE(ListRows(*View()).value(1), QStringLiteral("1|Manual_Input_Data|1|150|800|100|200"));
    QVERIFY(m_reporter.Messages().isEmpty());
}

void TestEditDialogs::deleteCommandsAskAndRefreshTheList()
{
    Seed({"insert into CoorEdit values (1, 'Import_Data', 'A', '1', '1', '1', '')",
          "insert into CoorEdit values (2, 'Import_Data', 'B', '2', '2', '2', '')",
          "insert into CoorEdit values (3, 'Import_Data', 'C', '3', '3', '3', '')"});
    View()->ShowTable(DataKind::Coor);
    View()->SetRememberedRow(1);
    Commands().Run(Command::DeleteRecord);
    QCOMPARE(m_reporter.Questions(), QStringList({"Delete <B> ?"}));
    QCOMPARE(View()->DeleteKey(), QStringLiteral("B"));
    QCOMPARE(ListRows(*View()), QStringList({"1|Import_Data|A|1|1|1|", "2|Import_Data|C|3|3|3|"}));

    // Nothing remembered: nothing is asked or deleted.
    View()->SetRememberedRow(-1);
    Commands().Run(Command::DeleteRecord);
    QCOMPARE(m_reporter.Questions().size(), 1);

    // A no keeps every row.
    m_reporter.SetAnswer(false);
    View()->SetRememberedRow(0);
    Commands().Run(Command::DeleteRecord);
    Commands().Run(Command::DeleteAll);
    QCOMPARE(m_reporter.Questions().mid(1), QStringList({"Delete <A> ?", "Delete All Records?"}));
    QCOMPARE(View()->RowCount(), 2);
    m_reporter.SetAnswer(true);
    m_reporter.Clear();

    Commands().Run(Command::DeleteAll);
    QCOMPARE(m_reporter.Questions(), QStringList({"Delete All Records?"}));
    QCOMPARE(View()->RowCount(), 0);
    QVERIFY(m_reporter.Messages().isEmpty());
}

void TestEditDialogs::otherListsOpenNoDialog()
{
    View()->ShowTable(DataKind::Meas);
    Commands().Run(Command::AddRecord);
    View()->SetRememberedRow(0);
    Commands().Run(Command::EditRecord);
    Commands().Run(Command::DeleteAll);
    QVERIFY(OpenDialogs().isEmpty());
    QVERIFY(m_reporter.Questions().isEmpty());
}

QTEST_MAIN(TestEditDialogs)
#include "tst_edit_dialogs.moc"
