#include "cli_runner.h"

#include <QTemporaryDir>
#include <QTest>

class TestCliSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_runs = 0;
    QString NewDatabase() { return m_dir.filePath(QStringLiteral("p%1.db").arg(++m_runs)); }

private slots:
    void aNewDatabaseShowsTheDefaults()
    {
        const CliRun run = RunCli(NewDatabase(), {"settings"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Out(), QStringLiteral("port=1 baud=9600 protocol=none data-bits=8 stop-bits=1 parity=none\n"));
        QCOMPARE(run.err, QByteArray());
    }

    void givenOptionsReplaceTheirValuesOnly()
    {
        const QString db = NewDatabase();
        QCOMPARE(RunCli(db, {"settings", "--port", "3", "--baud", "115200"}).exitCode, 0);
        QCOMPARE(RunCli(db, {"settings"}).Out(),
                 QStringLiteral("port=3 baud=115200 protocol=none data-bits=8 stop-bits=1 parity=none\n"));

        const CliRun framing = RunCli(db, {"settings", "--protocol", "ack-nak", "--data-bits", "7", "--stop-bits", "2",
                                           "--parity", "even"});
        QCOMPARE(framing.exitCode, 0);
        QCOMPARE(RunCli(db, {"settings"}).Out(),
                 QStringLiteral("port=3 baud=115200 protocol=ack-nak data-bits=7 stop-bits=2 parity=even\n"));

        QCOMPARE(RunCli(db, {"settings", "--baud", "1200", "--parity", "odd", "--data-bits", "8"}).exitCode, 0);
        QCOMPARE(RunCli(db, {"settings"}).Out(),
                 QStringLiteral("port=3 baud=1200 protocol=ack-nak data-bits=8 stop-bits=2 parity=odd\n"));
    }

    void invalidValuesAreUsageErrorsAndChangeNothing()
    {
        const QString db = NewDatabase();
        QCOMPARE(RunCli(db, {"settings", "--port", "2", "--parity", "odd"}).exitCode, 0);
        const QList<QStringList> wrong = {
            {"--port", "0"},       {"--port", "7"},       {"--baud", "9601"},     {"--baud", "3"},
            {"--protocol", "xon"}, {"--data-bits", "9"},  {"--stop-bits", "1,5"}, {"--parity", "mark"},
            {"--speed", "9600"},   {"--port"},            {"COM2"},
        };
        for (const QStringList& words : wrong)
        {
            // A valid option before the wrong one must not be saved either.
            const CliRun run = RunCli(db, QStringList{"settings", "--baud", "57600"} + words);
            QVERIFY2(run.exitCode == 2, qPrintable(words.join(' ')));
            QVERIFY(run.Err().contains("usage: merion-cli"));
        }
        QCOMPARE(RunCli(db, {"settings"}).Out(),
                 QStringLiteral("port=2 baud=9600 protocol=none data-bits=8 stop-bits=1 parity=odd\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliSettings)
#include "tst_settings.moc"
