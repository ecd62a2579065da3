#include "cli_runner.h"
#include "core/edit/coor_edit.h"
#include "core/store/project_store.h"
#include "core/store/statement.h"
#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/merion_app.h"
#include "gui/files/import_file_dialog.h"
#include "gui/views/plx_view.h"
#include "recording_reporter.h"
#include "table_rows.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{
// The files that process `pid` holds open, as the kernel names them ("… (deleted)" once unlinked).
QStringList OpenFiles(qint64 pid)
{
    QStringList targets;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files))
        targets << QFile::symLinkTarget(fds.filePath(fd));
    return targets;
}

QStringList OpenFilesNamed(qint64 pid, const QString& prefix)
{
    QStringList named;
    for (const QString& target : OpenFiles(pid))
        if (target.startsWith(prefix))
            named << target;
    return named;
}

// A separate connection, as another program would make, to check the file after the run.
QString IntegrityOf(const QString& path)
{
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("integrity"));
        db.setDatabaseName(path);
        if (db.open())
        {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
                result = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("integrity"));
    return result;
}

// Shows the import dialog the way the tool bar does, lets it list its folder (and fetch every
// icon and type it wants), then closes it with Esc.
void BrowseAndCancelImport(CCommandActions& commands)
{
    bool listed = false;
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, &listed] {
        auto* dialog = qobject_cast<CImportFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex folder = model->index(QDir::currentPath());
        listed = QTest::qWaitFor([&] { return model->rowCount(folder) >= 2; }, 5000);
        // The details view asks for every column, the type included, and every icon.
        for (int row = 0; row < model->rowCount(folder); ++row)
            for (int column = 0; column < model->columnCount(folder); ++column)
            {
                model->data(model->index(row, column, folder), Qt::DisplayRole);
                model->data(model->index(row, column, folder), Qt::DecorationRole);
            }
        // The gatherer thread works out each file's icon and type together, in the background:
        // once every file shows a type, it has looked at them all.
        const bool typed = QTest::qWaitFor(
            [&] {
                for (int row = 0; row < model->rowCount(folder); ++row)
                    if (model->data(model->index(row, 2, folder), Qt::DisplayRole).toString().isEmpty())
                        return false;
                return true;
            },
            5000);
        listed = listed && typed;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    timer->start();
    commands.Run(Command::Import);
    QVERIFY(listed);
}
} // namespace

class TestSharedDatabase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
    QString DatabasePath() const { return m_dir.filePath(QStringLiteral("a.db")); }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanup() { QDir::setCurrent(m_previousFolder); }

    // Browsing the database's folder must leave SQLite's locks alone: another process that
    // writes afterwards shares the journal instead of deleting it under the program.
    void browsingTheFolderKeepsTheJournalWhileAnotherProcessWrites()
    {
        CRecordingReporter reporter;
        auto app = std::make_unique<CMerionApp>(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app->InitInstance());
        app->MainFrame()->show();
        QVERIFY(AddCoor(app->Store(), {"P1", "1", "2", "3", ""}).Succeeded());

        BrowseAndCancelImport(app->Commands());
        QVERIFY(OpenFilesNamed(QCoreApplication::applicationPid(), DatabasePath()).contains(DatabasePath() + "-wal"));

        QFile points(m_dir.filePath("pts.txt"));
        QVERIFY(points.open(QIODevice::WriteOnly));
        points.write("Q1,10,20,30,A\r\nQ2,11,21,31,B\r\n");
        points.close();
        const CliRun import = RunCli(DatabasePath(), {"import", "coor", points.fileName()});
        QCOMPARE(import.exitCode, 0);

        // The journal is still the one on disk, and the other writer's rows are visible.
        for (const QString& held : OpenFilesNamed(QCoreApplication::applicationPid(), DatabasePath()))
            QVERIFY2(!held.endsWith(QStringLiteral("(deleted)")), qPrintable(held));
        QVERIFY(QFileInfo::exists(DatabasePath() + "-wal"));
        QVERIFY(QFileInfo::exists(DatabasePath() + "-shm"));
        QCOMPARE(TableRows(app->Store(), "select SN from CoorEdit order by ID"), QStringList({"Q1", "Q2"}));

        // And what the program writes now reaches the other process.
        QVERIFY(AddCoor(app->Store(), {"P9", "7", "8", "9", ""}).Succeeded());
        const CliRun show = RunCli(DatabasePath(), {"show", "coor"});
        QCOMPARE(show.exitCode, 0);
        QVERIFY2(show.Out().contains(QStringLiteral("\tP9\t")), qPrintable(show.Out()));

        app->ExitInstance();
        app.reset();
        QCOMPARE(IntegrityOf(DatabasePath()), QStringLiteral("ok"));
        const CliRun after = RunCli(DatabasePath(), {"show", "coor"});
        QCOMPARE(after.Out().count('\n'), 1); // the scratch tables were emptied at exit: header only
        QVERIFY(reporter.Messages().isEmpty());
    }

    // A second copy is refused by its lock before it touches the project: it never opens the
    // database file, so it cannot drop the first copy's locks nor delete its journal.
    void refusedSecondStartNeverOpensTheDatabase()
    {
        CRecordingReporter reporter;
        CMerionApp app(AppOptions{DatabasePath(), &reporter, false});
        QVERIFY(app.InitInstance());
        QVERIFY(AddCoor(app.Store(), {"P1", "1", "2", "3", ""}).Succeeded());

        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(MERION_GUI_PATH), {"--database", DatabasePath()});
        QVERIFY(second.waitForStarted());
        // The refusal shows its message box and waits there; by then the start has done
        // everything it is going to do before the user answers.
        const bool waiting = QTest::qWaitFor(
            [&] {
                QFile status(QStringLiteral("/proc/%1/wchan").arg(second.processId()));
                return second.state() == QProcess::Running && status.open(QIODevice::ReadOnly)
                       && status.readAll().contains("poll");
            },
            20000);
        QVERIFY(waiting);
        // Waiting there means the start is over: the refusal is the last thing it does.
        const QStringList held = OpenFilesNamed(second.processId(), DatabasePath());
        second.kill();
        second.waitForFinished();
        QVERIFY2(held.isEmpty(), qPrintable(held.join(',')));

        QVERIFY(QFileInfo::exists(DatabasePath() + "-wal"));
        QCOMPARE(TableRows(app.Store(), "select SN from CoorEdit"), QStringList({"P1"}));
        app.ExitInstance();
        QVERIFY(reporter.Messages().isEmpty());
        QCOMPARE(IntegrityOf(DatabasePath()), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestSharedDatabase)
#include "tst_shared_database.moc"
