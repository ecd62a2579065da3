#include "core/files/files_texts.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/app/merion_app.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/files/import_file_dialog.h"
#include "gui/files/meas_export_file_dialog.h"
#include "gui/files/output_file_dialog.h"
#include "gui/views/plx_view.h"
#include "modal_answers.h"
#include "recording_reporter.h"
#include "table_rows.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

// Every dialog that chooses a file refuses the project's own files: the database the window
// has open, its -wal and -shm, the journal SQLite would make and the lock. They are compared by
// identity, so a link to the database is refused too; nothing opens them, so the window's
// locks on the database stay and its rows stay.
class TestProjectFileGuard : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CRecordingReporter m_reporter;
    std::unique_ptr<CMerionApp> m_app;

    QString Database() const { return m_dir.filePath("project.db"); }
    CPlxView& View() { return *m_app->View(); }
    // Size and time of change, asked without opening the file.
    static QString Fingerprint(const QString& path)
    {
        const QFileInfo file(path);
        return QStringLiteral("%1 %2").arg(file.size()).arg(file.lastModified().toMSecsSinceEpoch());
    }
    // Chooses `path` in the next file dialog of that class, answering yes when asked to replace it.
    template <class Dialog>
    void ChooseIn(const QString& path)
    {
        WhenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        WhenShown<Dialog>([path](Dialog* dialog) { Choose(dialog, path); });
    }
    void ExpectRefused(const QString& path, const QString& before)
    {
        QCOMPARE(m_reporter.TakeMessages(), QStringList{FilesTexts::ProjectFile.Arg(path)});
        QCOMPARE(Fingerprint(Database()), before);
        QCOMPARE(TableRows(m_app->Store(), "select SN from CoorEdit"), QStringList{"P1"});
    }

private slots:
    void init()
    {
        QFile::remove(Database());
        m_reporter.Clear();
        m_app = std::make_unique<CMerionApp>(AppOptions{Database(), &m_reporter, false});
        QVERIFY(m_app->InitInstance());
        QVERIFY(RunStatement(m_app->Store(), "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) "
                                             "values (1,'Import_Data','P1','100.5','200.25','10','TREE')"));
        QVERIFY(RunStatement(m_app->Store(), "insert into \"740Meas\" (ID,ATTR,SN) values (1,'Station','S1')"));
        View().ShowTable(DataKind::Coor);
    }
    void cleanup()
    {
        m_app->ExitInstance();
        m_app.reset();
    }

    void saveDialogsRefuseTheProjectFiles()
    {
        QVERIFY(QFileInfo::exists(Database() + "-wal"));
        const QString before = Fingerprint(Database());
        ChooseIn<QFileDialog>(Database());
        m_app->Commands().Run(Command::ListExport);
        ExpectRefused(Database(), before);

        ChooseIn<COutputFileDialog>(Database() + "-wal");
        m_app->Commands().Run(Command::OutputFile);
        ExpectRefused(Database() + "-wal", before);

        ChooseIn<QFileDialog>(Database() + "-journal");
        m_app->Commands().Run(Command::DataExport);
        ExpectRefused(Database() + "-journal", before);
        QVERIFY(!QFileInfo::exists(Database() + "-journal"));

        const QString link = m_dir.filePath("link.txt");
        QVERIFY(QFile::link(Database(), link));
        m_app->Session().SetCurrentKind(DataKind::Meas);
        View().ShowTable(DataKind::Meas);
        ChooseIn<CMeasExportFileDialog>(link);
        m_app->Commands().Run(Command::ExportMeasEn);
        ExpectRefused(link, before);
        QFile::remove(link);
    }

    void openingTheDatabaseAsATextIsRefused()
    {
        const QString before = Fingerprint(Database());
        for (const QString& path : {Database(), Database() + "-shm", Database() + ".lock"})
        {
            WhenShown<CImportFileDialog>([path](CImportFileDialog* dialog) { Choose(dialog, path); });
            m_app->Commands().Run(Command::Import);
            ExpectRefused(path, before);
        }
        QVERIFY(QFileInfo::exists(Database() + "-wal"));
    }
};

QTEST_MAIN(TestProjectFileGuard)
#include "tst_project_file_guard.moc"
