#include "gui/shell/command_actions.h"
#include "gui/app/merion_app.h"
#include "gui/app/ui_language.h"
#include "gui/link/com_config_dlg.h"
#include "core/link/link_texts.h"
#include "recording_reporter.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "table_rows.h"
#include "visible_dialogs.h"
#include "gui/views/plx_view.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace
{
QList<CComConfigDlg*> OpenDialogs()
{
    return VisibleDialogs<CComConfigDlg>();
}

QRadioButton* Radio(const QWidget* dialog, const QString& group, const QString& text)
{
    for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
        if (box->title() == group)
            for (QRadioButton* button : box->findChildren<QRadioButton*>())
                if (button->text() == text)
                    return button;
    return nullptr;
}

// The checked button of each group, in the order protocol, data bits, stop bits, parity.
QStringList Checked(const QWidget* dialog)
{
    QStringList texts;
    for (const char* group : {"协议", "数据位", "停止位", "校验位"})
    {
        QStringList checked;
        for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
            if (box->title() == QString::fromUtf8(group))
                for (const QRadioButton* button : box->findChildren<QRadioButton*>())
                    if (button->isChecked())
                        checked << button->text();
        texts << checked.join('+');
    }
    return texts;
}

QString ListText(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
}

void Press(const QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return QTest::mouseClick(button, Qt::LeftButton);
    QFAIL(qPrintable("no button " + text));
}
} // namespace

class TestComConfigDlg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    QStringList StoredRows()
    {
        return TableRows(m_app->Store(), "select * from COMConfig");
    }
    CComConfigDlg* Open()
    {
        m_app->Commands().Run(Command::CommSettings);
        const QList<CComConfigDlg*> dialogs = OpenDialogs();
        return dialogs.size() == 1 ? dialogs.first() : nullptr;
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
        qDeleteAll(OpenDialogs());
        m_app->ExitInstance();
        m_app.reset();
        QVERIFY(m_reporter.Messages().isEmpty());
    }

    void anEmptyTableShowsAndStoresTheDefaults();
    void aStoredRowIsShownAndStoredAgain();
    void clickedChoicesAreStored();
    void cancelWritesNothing();
    void codesOutsideTheListsShowTheDefaults();

    // "Communication Settings" is longer than the controls are wide: the dialog takes the
    // caption's width (in the title bar's bold font) and the room a window manager's icon and
    // three buttons need beside it, at least 3 × 24 + 24 pixels.
    void theWholeCaptionFitsInEnglish()
    {
        QVERIFY(InstallUiLanguage(*qApp, UiLanguage::English));
        CComConfigDlg* dialog = Open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Communication Settings"));
        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        QVERIFY(dialog->width() >= QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()) + 4 * 24);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
        {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

void TestComConfigDlg::anEmptyTableShowsAndStoresTheDefaults()
{
    CComConfigDlg* dialog = Open();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("通讯配置"));
    QCOMPARE(dialog->pos(), QPoint(350, 250));
    QCOMPARE(dialog->findChild<QComboBox*>("ComPort")->count(), 6);
    QCOMPARE(dialog->findChild<QComboBox*>("BaudRate")->itemText(7), QStringLiteral("115200"));
    QCOMPARE(ListText(dialog, "ComPort"), QStringLiteral("COM1"));
    QCOMPARE(ListText(dialog, "BaudRate"), QStringLiteral("9600"));
    QCOMPARE(Checked(dialog), QStringList({"None", "8位", "1", "无校验"}));
#ifndef _WIN32
    // The note stands in the dialog, readable without hovering over anything.
    const QLabel* note = dialog->findChild<QLabel*>(QStringLiteral("halfStopBitNote"));
    QVERIFY(note && note->isVisibleTo(dialog));
    QCOMPARE(note->text(), LinkTexts::NoHalfStopBit.Text());
#endif

    Press(dialog, "确定");
    QVERIFY(OpenDialogs().isEmpty());
    QCOMPARE(StoredRows(), QStringList{"1|3|0|0|0|0"});
}

void TestComConfigDlg::aStoredRowIsShownAndStoredAgain()
{
    QVERIFY(RunStatement(m_app->Store(), "insert into COMConfig values (3, 7, 1, 1, 2, 2)"));
    QVERIFY(RunStatement(m_app->Store(), "insert into COMConfig values (2, 0, 0, 0, 0, 0)"));
    CComConfigDlg* dialog = Open();
    QVERIFY(dialog);
    QCOMPARE(ListText(dialog, "ComPort"), QStringLiteral("COM3"));
    QCOMPARE(ListText(dialog, "BaudRate"), QStringLiteral("115200"));
    QCOMPARE(Checked(dialog), QStringList({"ACK/NAK", "7位", "2", "偶校验"}));

    Press(dialog, "确定");
    QCOMPARE(StoredRows(), QStringList{"3|7|1|1|2|2"});
}

void TestComConfigDlg::clickedChoicesAreStored()
{
    CComConfigDlg* dialog = Open();
    QVERIFY(dialog);
    dialog->findChild<QComboBox*>("ComPort")->setCurrentIndex(5);
    dialog->findChild<QComboBox*>("BaudRate")->setCurrentIndex(0);
    QTest::mouseClick(Radio(dialog, "协议", "ACK/NAK"), Qt::LeftButton);
    QTest::mouseClick(Radio(dialog, "协议", "None"), Qt::LeftButton);
    QTest::mouseClick(Radio(dialog, "数据位", "7位"), Qt::LeftButton);
    QTest::mouseClick(Radio(dialog, "停止位", "1.5"), Qt::LeftButton);
    QTest::mouseClick(Radio(dialog, "校验位", "奇校验"), Qt::LeftButton);
    QCOMPARE(Checked(dialog), QStringList({"None", "7位", "1.5", "奇校验"}));
    Press(dialog, "确定");
    QCOMPARE(StoredRows(), QStringList{"6|0|0|1|1|1"});

    // Back to 8 bits in a new dialog: the code for 8 bits is 0.
    dialog = Open();
    QVERIFY(dialog);
    QTest::mouseClick(Radio(dialog, "数据位", "8位"), Qt::LeftButton);
    Press(dialog, "确定");
    QCOMPARE(StoredRows(), QStringList{"6|0|0|0|1|1"});
}

void TestComConfigDlg::cancelWritesNothing()
{
    QVERIFY(RunStatement(m_app->Store(), "insert into COMConfig values (2, 5, 0, 0, 0, 0)"));
    CComConfigDlg* dialog = Open();
    QVERIFY(dialog);
    QTest::mouseClick(Radio(dialog, "校验位", "偶校验"), Qt::LeftButton);
    Press(dialog, "取消");
    QVERIFY(OpenDialogs().isEmpty());
    QCOMPARE(StoredRows(), QStringList{"2|5|0|0|0|0"});
}

void TestComConfigDlg::codesOutsideTheListsShowTheDefaults()
{
    QVERIFY(RunStatement(m_app->Store(), "insert into COMConfig values (9, 12, 4, 3, 7, -1)"));
    CComConfigDlg* dialog = Open();
    QVERIFY(dialog);
    QCOMPARE(ListText(dialog, "ComPort"), QStringLiteral("COM1"));
    QCOMPARE(ListText(dialog, "BaudRate"), QStringLiteral("9600"));
    QCOMPARE(Checked(dialog), QStringList({"None", "8位", "1", "无校验"}));
    Press(dialog, "确定");
    QCOMPARE(StoredRows(), QStringList{"1|3|0|0|0|0"});
}

QTEST_MAIN(TestComConfigDlg)
#include "tst_com_config_dlg.moc"
