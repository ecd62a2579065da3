#include "gui/shell/command_actions.h"
#include "gui/app/merion_app.h"
#include "gui/shell/session.h"
#include "file_bytes.h"
#include "gui/files/import_file_dialog.h"
#include "gui/files/output_file_dialog.h"
#include "gui/files/meas_export_file_dialog.h"
#include "core/files/files_texts.h"
#include "gui/files/file_dialog_texts.h"
#include "gui/files/sdcard_dlg.h"
#include "recording_reporter.h"
#include "shown_list_rows.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "visible_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace
{
QComboBox* List(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QComboBox*>(QString::fromLatin1(name));
}

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}
} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    CPlxView& View() { return *m_app->View(); }
    CCommandActions& Commands() { return m_app->Commands(); }
    QString WriteInput(const QByteArray& bytes)
    {
        QFile file(m_dir.filePath("input.txt"));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }
    void Import(int dataType, int format, const QString& path)
    {
        WhenShown<CImportFileDialog>([=](CImportFileDialog* dialog) {
            List(dialog, "dataType")->setCurrentIndex(dataType);
            List(dialog, "format")->setCurrentIndex(format);
            Choose(dialog, path);
        });
        Commands().Run(Command::Import);
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_reporter.Clear();
        m_app = std::make_unique<CMerionApp>(AppOptions{m_dir.filePath("project.db"), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
    }
    void cleanup()
    {
        qDeleteAll(VisibleDialogs<CSdCardDlg>());
        m_app->ExitInstance();
        m_app.reset();
    }

    void importDialogLists()
    {
        QStringList seen;
        WhenShown<CImportFileDialog>([&seen](CImportFileDialog* dialog) {
            QComboBox* type = List(dialog, "dataType");
            QComboBox* format = List(dialog, "format");
            seen << Entries(type).join('/') << Entries(format).join('/') << QString::number(format->isEnabled());
            type->setCurrentIndex(1);
            seen << Entries(format).join('/') << QString::number(format->isEnabled());
            type->setCurrentIndex(3);
            seen << Entries(format).join('/') << QString::number(format->isEnabled());
            type->setCurrentIndex(4);
            seen << Entries(format).join('/') << QString::number(format->isEnabled());
            type->setCurrentIndex(0);
            seen << QString::number(format->count()) << QString::number(format->isEnabled());
            dialog->reject();
        });
        Commands().Run(Command::Import);
        QCOMPARE(seen, (QStringList{"(1) 坐标数据/(2) 代码数据/(3) T5/T5+/(4) T8/(5) T8 V2",
                                    FileDialogTexts::CoorFormats.join('/'), "1", "(1) ID,Code ", "0", "(1) Meas_Data", "0",
                                    "(1) Meas_Data/(2) Coor_Data/(3) Road Stake Out/(4) X-Sect Measurement/"
                                    "(5) Plain Alignment Element",
                                    "1", "8", "1"}));
        QCOMPARE(NumberOf(m_app->Session().CurrentKind()), 21); // cancel changes nothing
    }

    void importShowsTheFileAsRead()
    {
        m_app->Session().SetCurrentKind(DataKind::Code);
        Import(0, 1, WriteInput("P1, 5 ,6,7, ABC\r\nP2,,,,X\r\n"));
        QCOMPARE(NumberOf(m_app->Session().CurrentKind()), 21);
        // Format (2): the first number is east. The list keeps the code's blanks.
        QCOMPARE(ListRows(View()), (QStringList{"1|Import_Data|P1|6| 5 |7| ABC", "2|Import_Data|P2|0|0|0|X"}));
        QCOMPARE(m_reporter.Messages(), QStringList{});

        Import(1, 0, WriteInput("12\r\n12,KERB,extra\r\n"));
        QCOMPARE(NumberOf(m_app->Session().CurrentKind()), 22);
        QCOMPARE(View().model()->columnCount(), 4);
        QCOMPARE(ListRows(View()), (QStringList{"1|Import_Code Data|12|", "2|Import_Code Data|12|KERB"}));
    }

    void importOfAJobShowsItsTable()
    {
        Import(2, 0, WriteInput("A,P1,1.5,2.5,3,\r\n"));
        QCOMPARE(NumberOf(m_app->Session().CurrentKind()), 74001);
        QCOMPARE(View().model()->columnCount(), 15);
        QCOMPARE(ListRows(View()), QStringList{"1|T5(T8)_Meas_Input-Coor|P1|1.5|2.5|3|||||||||"});

        // A version 2 text shows the table of the record kind chosen in the panel.
        Import(4, 3, WriteInput("9,10.5,2.0,-0.25,\r\n"));
        QCOMPARE(NumberOf(m_app->Session().CurrentKind()), 52003);
        QCOMPARE(ListRows(View()), QStringList{"1|T8_V2_BreakerSurface|10.5|2.0|-0.25"});
    }

    void exports()
    {
        RunStatement(m_app->Store(), "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                                  "values (5,'Import_Data','P1','100.5','200.25','10','TREE')");
        View().ShowTable(DataKind::Coor);

        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, m_dir.filePath("list.csv")); });
        Commands().Run(Command::ListExport);
        // 序号,列表属性,点名,北坐标(N),东坐标(E),高程(Z),代码 in GBK
        QCOMPARE(FileBytes(m_dir.filePath("list.csv")),
                 QByteArray("\xd0\xf2\xba\xc5,\xc1\xd0\xb1\xed\xca\xf4\xd0\xd4,\xb5\xe3\xc3\xfb,\xb1\xb1\xd7\xf8\xb1\xea(N),"
                            "\xb6\xab\xd7\xf8\xb1\xea(E),\xb8\xdf\xb3\xcc(Z),\xb4\xfa\xc2\xeb\r\n"
                            "5,Import_Data,P1,100.5,200.25,10,TREE\r\n"));
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::DataExportSuccess});

        for (const QString name : {"out.txt", "out.csv"})
        {
            WhenShown<COutputFileDialog>([this, name](COutputFileDialog* dialog) {
                QCOMPARE(Entries(List(dialog, "separator")), ShownTexts(FileDialogTexts::Separators));
                QCOMPARE(List(dialog, "format")->count(), 8);
                List(dialog, "separator")->setCurrentIndex(2);
                List(dialog, "format")->setCurrentIndex(7);
                Choose(dialog, m_dir.filePath(name));
            });
            Commands().Run(Command::OutputFile);
        }
        QCOMPARE(FileBytes(m_dir.filePath("out.txt")), FileBytes(MERION_TEST_DATA "/files/format8_tab.txt"));
        QCOMPARE(FileBytes(m_dir.filePath("out.csv")), QByteArray("5,P1,200.25,100.5,10,TREE\r\n"));
        QCOMPARE(m_reporter.TakeMessages(), QStringList{});

        WhenShown<QFileDialog>([this](QFileDialog* dialog) { Choose(dialog, m_dir.filePath("data.txt")); });
        Commands().Run(Command::DataExport);
        QCOMPARE(FileBytes(m_dir.filePath("data.txt")), QByteArray("P1,100.5,200.25,10,TREE\r\n"));
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::ExportSuccess});
    }

    void outputFileOfOtherLists()
    {
        RunStatement(m_app->Store(), "insert into CodeEdit (ID,ATTR,SN,CODE) values (1,'Import_Code Data','12','KERB')");
        View().ShowTable(DataKind::Code);
        WhenShown<COutputFileDialog>([this](COutputFileDialog* dialog) {
            QCOMPARE(Entries(List(dialog, "format")), QStringList{FileDialogTexts::CurrentListData});
            List(dialog, "separator")->setCurrentIndex(1);
            Choose(dialog, m_dir.filePath("codes.dat"));
        });
        Commands().Run(Command::OutputFile);
        QCOMPARE(FileBytes(m_dir.filePath("codes.dat")), QByteArray("12 KERB\r\n"));
    }

    void measurementExport()
    {
        const QString head = "insert into \"740Meas\" (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE,PH,PA,HD,IH,HA,VA,SD,NOTES) values ";
        RunStatement(m_app->Store(), head + "(1,'T5(T8)_Meas_Dist','P1','','','','TREE','1.5','','','',' 90.5','90','100','')");
        RunStatement(m_app->Store(), head + "(2,'T5(T8)_Meas_Measure-Coor','P1','10','20','30','','','','','','','','','')");
        View().ShowTable(DataKind::Meas);
        WhenShown<CMeasExportFileDialog>([this](CMeasExportFileDialog* dialog) {
            QCOMPARE(dialog->nameFilters(), (QStringList{"CSV File(*.csv)", "Text File(*.txt)", "DAT File(*.dat)"}));
            QComboBox* angles = List(dialog, "angleType");
            QCOMPARE(Entries(angles), (QStringList{"ddd°mm′ss″", "ddd.dddd°"}));
            QCOMPARE(angles->currentIndex(), 0);
            angles->setCurrentIndex(1);
            Choose(dialog, m_dir.filePath("meas.csv"));
        });
        Commands().Run(Command::ExportMeasEn);
        // Decimal degrees: the angles as the list shows them.
        QCOMPARE(FileBytes(m_dir.filePath("meas.csv")),
                 QByteArray("PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE\r\nP1,20,10,30,,1.5, 90.5,90,100,100.0000,0.0000,TREE\r\n"));
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::ExportDataSuccess});
    }

    void sdCardDialog()
    {
        RunStatement(m_app->Store(), "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                                  "values (1,'Import_Data','A1','1','2','3','')");
        m_app->Session().SetCurrentKind(DataKind::Code);
        Commands().Run(Command::SdCard);
        QCOMPARE(NumberOf(m_app->Session().CurrentKind()), 21);
        QCOMPARE(View().RowCount(), 1);
        const QList<CSdCardDlg*> dialogs = VisibleDialogs<CSdCardDlg>();
        QCOMPARE(dialogs.size(), 1);
        CSdCardDlg* dialog = dialogs.first();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("SD卡文件保存路径"));
        QCOMPARE(dialog->pos(), QPoint(350, 250));
        QCOMPARE(Entries(List(dialog, "instrument")), (QStringList{"T5/T5+", "T8"}));
        QCOMPARE(List(dialog, "job")->count(), 20);
        QCOMPARE(List(dialog, "job")->currentText(), QStringLiteral("JOB1"));

        // Browsing without choosing keeps the (empty) remembered folder.
        WhenShown<QFileDialog>([](QFileDialog* picker) {
            QCOMPARE(picker->windowTitle(), QStringLiteral("Folder Path"));
            picker->reject();
        });
        QTest::mouseClick(dialog->findChild<QPushButton*>("browse"), Qt::LeftButton);
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::CannotSelectPath});

        // No folder path: told, nothing written, the dialog stays.
        dialog->findChild<QLineEdit*>("folderName")->setText("card");
        QTest::mouseClick(dialog->findChild<QPushButton*>("save"), Qt::LeftButton);
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::CannotCreatePath});
        QVERIFY(dialog->isVisible());

        dialog->findChild<QLineEdit*>("folderPath")->setText(m_dir.path());
        List(dialog, "job")->setCurrentIndex(19);
        QTest::mouseClick(dialog->findChild<QPushButton*>("save"), Qt::LeftButton);
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::Success});
        QCOMPARE(QDir(m_dir.filePath("card")).entryList(QDir::Files), (QStringList{"JOB20.DAT", "JOB20.INX"}));
        QTRY_VERIFY(VisibleDialogs<CSdCardDlg>().isEmpty());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
