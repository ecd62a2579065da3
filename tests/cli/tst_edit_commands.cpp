#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};
} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private:
    CliRun Cli(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(MERION_CLI_PATH),
                      QStringList{QStringLiteral("--database"), m_dir.filePath(QStringLiteral("p.db"))} + arguments);
        if (!process.waitForFinished(30000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir m_dir;

private slots:
    void init() { QFile::remove(m_dir.filePath(QStringLiteral("p.db"))); }
    void pointAddedShowsInTheCoordinateList();
    void pointsAreEditedDeletedAndCleared();
    void refusedSavesFailWithTheirMessage();
    void codesAndAlignmentFollowTheSameWords();
    void badArgumentsAreUsageErrors();
};

void TestEditCommands::pointAddedShowsInTheCoordinateList()
{
    const CliRun add = Cli({"point", "add", "P1", "100.5", "200.25", "10", "TREE"});
    QCOMPARE(add.status, 0);
    QCOMPARE(add.err, QString());
    const CliRun show = Cli({"show", "coor"});
    QCOMPARE(show.status, 0);
    QCOMPARE(show.out, QStringLiteral("序号\t列表属性\t点名\t北坐标(N)\t东坐标(E)\t高程(Z)\t代码\n"
                                      "1\tManual_Input_Data\tP1\t100.500\t200.250\t10.000\tTREE\n"));
}

void TestEditCommands::pointsAreEditedDeletedAndCleared()
{
    QCOMPARE(Cli({"point", "add", "A", "1", "2", "3"}).status, 0);
    QCOMPARE(Cli({"point", "add", "B", "-4.5", "5", "6", "WALL"}).status, 0);
    QCOMPARE(Cli({"point", "add", "C", "7", "8", "9"}).status, 0);
    QCOMPARE(Cli({"point", "edit", "B", "40", "50", "60", "FENCE"}).status, 0);
    QCOMPARE(Cli({"point", "delete", "A"}).status, 0);
    QCOMPARE(Cli({"show", "coor"}).out.section('\n', 1),
             QStringLiteral("1\tManual_Input_Data\tB\t40.000\t50.000\t60.000\tFENCE\n"
                            "2\tManual_Input_Data\tC\t7.000\t8.000\t9.000\t\n"));
    QCOMPARE(Cli({"point", "clear"}).status, 0);
    QCOMPARE(Cli({"show", "coor"}).out.count('\n'), 1);
}

void TestEditCommands::refusedSavesFailWithTheirMessage()
{
    QCOMPARE(Cli({"point", "add", "P1", "1", "2", "3"}).status, 0);
    const CliRun duplicate = Cli({"point", "add", "P1", "4", "5", "6"});
    QCOMPARE(duplicate.status, 1);
    QCOMPARE(duplicate.err, QStringLiteral("PT Name Already Exists,Please Rename!\n"));
    const CliRun empty = Cli({"point", "add", "", "4", "5", "6"});
    QCOMPARE(empty.status, 1);
    QCOMPARE(empty.err, QStringLiteral("PT Name Can't Be Null!\n"));
    const CliRun notNumber = Cli({"point", "edit", "P1", "4", "5", "six"});
    QCOMPARE(notNumber.status, 1);
    QCOMPARE(notNumber.err, QStringLiteral("高程(Z) Must Be A Number!\n"));
    QCOMPARE(Cli({"show", "coor"}).out.section('\n', 1),
             QStringLiteral("1\tManual_Input_Data\tP1\t1.000\t2.000\t3.000\t\n"));
}

void TestEditCommands::codesAndAlignmentFollowTheSameWords()
{
    QCOMPARE(Cli({"code", "add", "1", "TREE"}).status, 0);
    QCOMPARE(Cli({"code", "add", "2", "POLE"}).status, 0);
    QCOMPARE(Cli({"code", "edit", "2", "LAMP"}).status, 0);
    QCOMPARE(Cli({"code", "delete", "1"}).status, 0);
    QCOMPARE(Cli({"show", "code"}).out, QStringLiteral("序号\t列表属性\t编号\t编码\n1\tManual_Input_Data\t2\tLAMP\n"));

    QCOMPARE(Cli({"alignment", "add", "0", "200", "0", "100", "200"}).status, 0);
    QCOMPARE(Cli({"alignment", "add", "1", "50", "300", "110", "210"}).status, 0);
    QCOMPARE(Cli({"alignment", "edit", "2", "2", "60", "250", "111", "211"}).status, 0);
    QCOMPARE(Cli({"show", "alignment"}).out.section('\n', 1),
             QStringLiteral("2\tManual_Input_Data\t2\t60\t250\t111\t211\n"
                            "1\tManual_Input_Data\t0\t200\t0\t100\t200\n"));
    QCOMPARE(Cli({"alignment", "delete", "1"}).status, 0);
    QCOMPARE(Cli({"alignment", "clear"}).status, 0);
    QCOMPARE(Cli({"show", "alignment"}).out.count('\n'), 1);
}

void TestEditCommands::badArgumentsAreUsageErrors()
{
    const QList<QStringList> cases = {
        {"point"},
        {"point", "move", "A"},
        {"point", "add", "A", "1", "2"},
        {"point", "add", "A", "1", "2", "3", "C", "extra"},
        {"point", "delete"},
        {"point", "clear", "now"},
        {"point", "add", "A", "1", "2", "3", "--code", "X"},
        {"code", "add", "1"},
        {"alignment", "add", "0", "1", "2", "3"},
        {"alignment", "edit", "1", "0", "1", "2", "3"},
    };
    for (const QStringList& arguments : cases)
    {
        const CliRun run = Cli(arguments);
        QVERIFY2(run.status == 2, qPrintable(arguments.join(' ')));
        QVERIFY2(run.err.contains("usage: merion-cli"), qPrintable(run.err));
    }
    QCOMPARE(Cli({"show", "coor"}).out.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestEditCommands)
#include "tst_edit_commands.moc"
