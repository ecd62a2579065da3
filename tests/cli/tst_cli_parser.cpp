#include "cli_runner.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// How merion-cli reads its command line: help and version texts, --option=value, values that look
// like options, and the words that are usage errors (exit 2, the problem and one usage line).
class TestCliParser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_runs = 0;
    QString NewDatabase() { return m_dir.filePath(QStringLiteral("p%1.db").arg(++m_runs)); }

    static void VerifyUsageError(const CliRun& run, const QString& usageStart)
    {
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        const QStringList lines = run.Err().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3); // the problem, the usage hint, the empty rest after the last newline
        QVERIFY2(lines[0].startsWith(QLatin1String("merion-cli: ")), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QStringLiteral("usage: merion-cli [--database PATH] ") + usageStart),
                 qPrintable(lines[1]));
    }

private slots:
    void programHelpListsEveryCommandAndOption()
    {
        const QString db = NewDatabase();
        const CliRun run = RunCli(db, {"--help"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QVERIFY(run.Out().startsWith(QLatin1String("Usage: merion-cli [--database PATH] COMMAND [ARGS] [OPTIONS]\n")));
        const QStringList expected = {
            "\n  or:  merion-cli show coor|code|meas|v2meas|roadstake|xsect|alignment\n",
            "\n  or:  merion-cli point add NAME N E Z [CODE]\n",
            "\n  or:  merion-cli code clear\n",
            "\n  or:  merion-cli alignment edit ID TYPE START RADIUS N E\n",
            "\n  or:  merion-cli import v2 FILE --record meas|coor|roadstake|xsect|alignment\n",
            "\n  or:  merion-cli export angle|hd|sd FILE\n",
            "\n  or:  merion-cli sdcard PARENT NAME [--job 1..20]\n",
            "\n  or:  merion-cli upload --instrument t5|t8|v2 [--category coor|alignment] [--device PATH] [--progress]\n",
            "\n  --progress ",
            "\nCommands:\n  show ",
            "\n  download ",
            "\n  --database PATH ",
            "\n  --version ",
            "\n  --separator comma|space|tab",
            "(default: comma)",
            "\n  --angles dms|deg ",
            "(default: dms)\n",
            "\n  --stop-bits 1|1.5|2 ",
            "\n  --baud RATE ",
            "1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200",
            "\n  --raw FILE ",
            "\n  --job 1..20 ",
        };
        for (const QString& text : expected)
            QVERIFY2(run.Out().contains(text), qPrintable(text));
        // Every option is described once, however many commands take it.
        QCOMPARE(run.Out().count(QStringLiteral("\n  --kind KIND ")), 1);
        QCOMPARE(run.Out().count(QStringLiteral("\n  --device PATH ")), 1);
        QVERIFY2(!QFile::exists(db), "--help must not create a database");

        // --help before a command's name, or after it, describes that command.
        QCOMPARE(RunCli(db, {"--help", "sdcard"}).out, RunCli(db, {"sdcard", "--help"}).out);
    }

    void commandHelpShowsItsFormsAndOptions_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("settings") << QStringList{"settings", "--help"}
                                  << QStringList{"Usage: merion-cli [--database PATH] settings [--port 1..6]",
                                                 "\n  --port 1..6 ", "(default: stored value, else 1)\n",
                                                 "\n  --parity none|odd|even ", "\n  --help "}
                                  << QStringList{"--kind", "--device"};
        QTest::newRow("export") << QStringList{"export", "--help"}
                                << QStringList{"Usage: merion-cli [--database PATH] export list FILE --kind KIND\n",
                                               "\n  or:  merion-cli [--database PATH] export full FILE --kind meas|v2meas",
                                               "\n  --format 1..8 ", "(default: 1)\n", "\n  --order en|ne ",
                                               "(default: en)\n"}
                                << QStringList{"--job", "--port"};
        QTest::newRow("download") << QStringList{"download", "--instrument", "t5", "--help"}
                                  << QStringList{"Usage: merion-cli [--database PATH] download --instrument t5|t8 ",
                                                 "\n  --instrument t5|t8|v2 ", "\n  --record meas|coor|roadstake|xsect|alignment",
                                                 "\n  --device PATH "}
                                  << QStringList{"--category"};
        QTest::newRow("plot") << QStringList{"plot", "--help"}
                              << QStringList{"Usage: merion-cli [--database PATH] plot FILE --kind coor",
                                             "\n  --size WxH ", "(default: 1600x1200)\n", "\n  --no-labels "}
                              << QStringList{"--separator"};
        QTest::newRow("point") << QStringList{"point", "--help"}
                               << QStringList{"Usage: merion-cli [--database PATH] point add NAME N E Z [CODE]\n",
                                              "\n  or:  merion-cli [--database PATH] point clear\n"}
                               << QStringList{"--kind"};
    }

    void commandHelpShowsItsFormsAndOptions()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        const QString db = NewDatabase();
        const CliRun run = RunCli(db, words);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        for (const QString& text : expected)
            QVERIFY2(run.Out().contains(text), qPrintable(text));
        for (const QString& text : absent)
            QVERIFY2(!run.Out().contains(text), qPrintable(text));
        QVERIFY2(!QFile::exists(db), "--help must not create a database");
    }

    void versionNamesTheProgramAndItsVersion()
    {
        const CliRun run = RunCli(QString(), {"--version"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.Out(), QStringLiteral("merion-cli " MERION_VERSION "\n"));
        QCOMPARE(run.err, QByteArray());
        QVERIFY(QStringLiteral(MERION_VERSION).contains(
            QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]+\\.[0-9]+$"))));
    }

    void optionEqualsValueIsTheSameAsTwoWords()
    {
        const QString db = NewDatabase();
        const CliRun joined = RunCli(QString(), {"--database=" + db, "settings", "--port=4", "--baud=19200",
                                                 "--stop-bits=1.5", "--parity", "even"});
        QCOMPARE(joined.exitCode, 0);
        // The value after '=' may itself hold '=' or start with dashes.
        QCOMPARE(joined.Out(), QStringLiteral("port=4 baud=19200 protocol=none data-bits=8 stop-bits=1.5 parity=even\n"));
        QCOMPARE(RunCli(db, {"settings"}).Out(), joined.Out());

        const QString file = m_dir.filePath(QStringLiteral("a=b.txt"));
        QCOMPARE(RunCli(db, {"export", "list", file, "--kind=coor"}).exitCode, 0);
        QVERIFY(QFile::exists(file));
        const QString dashed = m_dir.filePath(QStringLiteral("--odd.txt"));
        QCOMPARE(RunCli(db, {"export", "file", "--kind", "coor", "--", dashed}).exitCode, 0);
        QVERIFY(QFile::exists(dashed));
    }

    void valuesStartingWithOneDashAreNotOptions()
    {
        const QString db = NewDatabase();
        const CliRun add = RunCli(db, {"point", "add", "P1", "-12.5", "-3", "-0.25", "-"});
        QCOMPARE(add.exitCode, 0);
        const QStringList lines = RunCli(db, {"show", "coor"}).Out().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        // The coordinate save writes three decimals; the code is kept as given.
        QVERIFY2(lines[1].endsWith(QLatin1String("\tP1\t-12.500\t-3.000\t-0.250\t-")), qPrintable(lines[1]));
    }

    void emptyValuesAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("usage");
        QTest::newRow("download device") << QStringList{"download", "--instrument", "t5", "--device", ""} << "download";
        QTest::newRow("upload device=") << QStringList{"upload", "--instrument", "t5", "--device="} << "upload";
        QTest::newRow("settings baud=") << QStringList{"settings", "--baud="} << "settings";
        QTest::newRow("raw") << QStringList{"download", "--instrument", "t8", "--raw", ""} << "download";
        QTest::newRow("kind") << QStringList{"export", "list", "x.csv", "--kind", ""} << "export";
        QTest::newRow("job") << QStringList{"sdcard", "a", "b", "--job="} << "sdcard";
    }

    void emptyValuesAreUsageErrors()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, usage);
        const QString db = NewDatabase();
        // A download or upload that got this far would wait on a port; the error comes first.
        const CliRun run = RunCli(db, words, 10000);
        VerifyUsageError(run, usage);
        QVERIFY2(run.Err().contains(QLatin1String("needs a value")), qPrintable(run.Err()));
        QVERIFY2(!QFile::exists(db), "a usage error must not create a database");

        const CliRun emptyDatabase = RunCli(QString(), QStringList{"--database", ""} + words);
        VerifyUsageError(emptyDatabase, QStringLiteral("COMMAND"));
    }

    void wrongWordsAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("usage");
        QTest::newRow("unknown option") << QStringList{"settings", "--speed=9600"} << "settings";
        QTest::newRow("missing value") << QStringList{"sdcard", "a", "b", "--job"} << "sdcard";
        QTest::newRow("value for a switch") << QStringList{"show", "coor", "--help=yes"} << "show";
        QTest::newRow("database after the command") << QStringList{"show", "coor", "--database", "x.db"} << "show";
        QTest::newRow("program option unknown") << QStringList{"--verbose", "show", "coor"} << "COMMAND";
        QTest::newRow("unknown command") << QStringList{"plott", "x.png"} << "COMMAND";
        QTest::newRow("nothing") << QStringList{} << "COMMAND";
        QTest::newRow("database without a path") << QStringList{"--database"} << "COMMAND";
    }

    void wrongWordsAreUsageErrors()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, usage);
        VerifyUsageError(RunCli(QString(), words), usage);
    }
};

QTEST_GUILESS_MAIN(TestCliParser)
#include "tst_cli_parser.moc"
