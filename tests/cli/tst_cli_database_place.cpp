#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Without --database, merion-cli works on Adjustment.db in the user's data folder, unless an
// Adjustment.db sits beside the executable (a portable copy), which is then used instead.
class TestCliDatabasePlace : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString DataHome() const { return m_dir.filePath(QStringLiteral("data-home")); }
    QString UserDatabase() const { return DataHome() + QStringLiteral("/merion/Adjustment.db"); }

    // Runs `program` with the user's folders inside the test's own folder; its standard output.
    QString Run(const QString& program, const QStringList& words, int expectedExit = 0)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), DataHome());
        process.setProcessEnvironment(environment);
        process.start(program, words);
        if (!process.waitForFinished(30000))
            return QStringLiteral("did not finish");
        if (process.exitCode() != expectedExit)
            return QStringLiteral("exit %1: %2").arg(process.exitCode()).arg(QString::fromUtf8(process.readAllStandardError()));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void withoutDatabaseTheUsersDataFolderIsUsed()
    {
        QVERIFY(!QFile::exists(UserDatabase()));
        QCOMPARE(Run(QStringLiteral(MERION_CLI_PATH), {"settings", "--port", "3"}),
                 QStringLiteral("port=3 baud=9600 protocol=none data-bits=8 stop-bits=1 parity=none\n"));
        QVERIFY(QFile::exists(UserDatabase()));
        // The next run, from wherever it starts, reads what the first one stored.
        QCOMPARE(Run(QStringLiteral(MERION_CLI_PATH), {"settings"}),
                 QStringLiteral("port=3 baud=9600 protocol=none data-bits=8 stop-bits=1 parity=none\n"));
    }

    void aDatabaseBesideTheExecutableIsUsedInstead()
    {
        const QString folder = m_dir.filePath(QStringLiteral("stick"));
        QVERIFY(QDir().mkpath(folder));
        const QString copy = folder + QStringLiteral("/merion-cli");
        QVERIFY(QFile::copy(QStringLiteral(MERION_CLI_PATH), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner));

        // A copy without a database beside it still uses the user's folder and makes none beside itself.
        QCOMPARE(Run(copy, {"settings"}).left(7), QStringLiteral("port=3 "));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/Adjustment.db")));

        const QString portable = folder + QStringLiteral("/Adjustment.db");
        QCOMPARE(Run(copy, {"--database", portable, "settings", "--port", "5"}).left(7), QStringLiteral("port=5 "));
        QCOMPARE(Run(copy, {"settings"}).left(7), QStringLiteral("port=5 "));
        // The user's database was not touched.
        QCOMPARE(Run(QStringLiteral(MERION_CLI_PATH), {"settings"}).left(7), QStringLiteral("port=3 "));
    }
};

QTEST_GUILESS_MAIN(TestCliDatabasePlace)
#include "tst_cli_database_place.moc"
