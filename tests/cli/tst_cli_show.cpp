#include "cli_runner.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestCliShow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void newDatabaseGetsEveryTableAndTheCaptions()
    {
        const QString path = m_dir.filePath(QStringLiteral("NEW.db"));
        const CliRun coor = RunCli(path, {"show", "coor"});
        QCOMPARE(coor.exitCode, 0);
        QCOMPARE(coor.Out(), QStringLiteral("序号\t列表属性\t点名\t北坐标(N)\t东坐标(E)\t高程(Z)\t代码\n"));
        QCOMPARE(coor.err, QByteArray());

        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QStringList tables = db.tables();
            tables.sort();
            QCOMPARE(tables, QStringList({"520BreakerSur", "520Meas", "520RoadStake", "520SurLine", "740Meas",
                                          "AdjCoor", "AdjResidual", "AdjSigma", "AdjWeight", "COMConfig", "CalcCoor",
                                          "CodeEdit", "CoorEdit",
                                          "CoordSystem", "HandEdits", "TravCoor", "TraverseGrade"}));
            QSqlQuery insert(db);
            QVERIFY(insert.exec(QStringLiteral(
                "insert into \"740Meas\"(ID,ATTR,SN,CODE,NOTES) values(1,' T5(T8)_Meas_Note ','P1',' X ','a, b')")));
            QVERIFY(insert.exec(QStringLiteral("insert into \"740Meas\"(ID,ATTR,SN) values(2,'T5(T8)_Meas_Station','S1')")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));

        const CliRun meas = RunCli(path, {"show", "meas"});
        QCOMPARE(meas.exitCode, 0);
        const QStringList lines = meas.Out().split('\n');
        QCOMPARE(lines.size(), 4); // captions, two rows, the empty text after the last line break
        QCOMPARE(lines[0].split('\t').size(), 15);
        QCOMPARE(lines[0].split('\t').at(7), QStringLiteral("镜高"));
        QCOMPARE(lines[1], QStringLiteral("1\tT5(T8)_Meas_Note\tP1\t\t\t\tX\t\t\t\t\t\t\t\ta, b"));
        QCOMPARE(lines[2].split('\t').size(), 15);
        QCOMPARE(lines[3], QString());

        // The kind's number works as well as its word.
        QCOMPARE(RunCli(path, {"show", "74001"}).out, meas.out);
    }

    void usageErrorsExitTwo()
    {
        const QString path = m_dir.filePath(QStringLiteral("usage.db"));
        const CliRun unknownKind = RunCli(path, {"show", "points"});
        QCOMPARE(unknownKind.exitCode, 2);
        QVERIFY(unknownKind.Err().contains("usage: merion-cli"));
        QCOMPARE(unknownKind.out, QByteArray());
        QCOMPARE(RunCli(path, {"show"}).exitCode, 2);
        QCOMPARE(RunCli(path, {"show", "coor", "code"}).exitCode, 2);
        QCOMPARE(RunCli(path, {"shout", "coor"}).exitCode, 2);
        QCOMPARE(RunCli(path, {}).exitCode, 2);
        QCOMPARE(RunCli(QString(), {"--database"}).exitCode, 2);
    }

    void unusableDatabaseFailsWithTheConnectMessage()
    {
        const CliRun run = RunCli(m_dir.filePath(QStringLiteral("no/such/folder/x.db")), {"show", "coor"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.Err().startsWith("Failed To Connect Database!\r\nError Message:"));
    }
};

QTEST_GUILESS_MAIN(TestCliShow)
#include "tst_cli_show.moc"
