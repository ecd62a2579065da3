#include "core/link/com_config.h"
#include "core/link/serial_port.h"
#include "simulated_instrument.h"
#include "test_database.h"

#include <QTest>

class TestComConfig : public QObject
{
    Q_OBJECT
private slots:
    void anEmptyTableGivesTheDefaults();
    void theStoredRowIsReadAsItsCodes();
    void savingLeavesExactlyOneRow();
    void aFailedSaveKeepsTheOldRow();
    void aFailedReadGivesTheDefaultsAndSaysSo();
    void openPortUsesTheStoredRateAndStopBits();
};

void TestComConfig::anEmptyTableGivesTheDefaults()
{
    CTestDatabase db;
    const ComConfig config = ReadComConfig(db.Store()).value;
    QCOMPARE(config.comPort, 1);
    QCOMPARE(config.baudRate, 3);
    QCOMPARE(config.protocol, 0);
    QCOMPARE(config.dataBit, 0);
    QCOMPARE(config.stopBit, 0);
    QCOMPARE(config.parityBit, 0);
    QVERIFY(db.Reporter().Messages().isEmpty());
}

void TestComConfig::theStoredRowIsReadAsItsCodes()
{
    CTestDatabase db;
    // A port number the dialog never offers is still what the transfers must try (and report).
    db.Run({"insert into COMConfig values (7, 6, 1, 1, 2, 1)"});
    QCOMPARE(ReadComConfig(db.Store()).value, (ComConfig{7, 6, 1, 1, 2, 1}));
    QVERIFY(ReadComConfig(db.Store()).Succeeded());
}

void TestComConfig::savingLeavesExactlyOneRow()
{
    CTestDatabase db;
    QVERIFY(SaveComConfig(db.Store(), ComConfig{}).Succeeded());
    QCOMPARE(db.Rows("select * from COMConfig"), QStringList{"1|3|0|0|0|0"});

    db.Run({"insert into COMConfig values (2, 0, 0, 0, 0, 0)", "insert into COMConfig values (4, 1, 0, 0, 0, 0)"});
    QVERIFY(SaveComConfig(db.Store(), ComConfig{3, 7, 1, 1, 2, 2}).Succeeded());
    QCOMPARE(db.Rows("select * from COMConfig"), QStringList{"3|7|1|1|2|2"});
    QVERIFY(db.Reporter().Messages().isEmpty());
}

void TestComConfig::aFailedSaveKeepsTheOldRow()
{
    CTestDatabase db;
    db.Run({"insert into COMConfig values (2, 4, 0, 1, 0, 1)",
            "create trigger refuse before insert on COMConfig begin select raise(abort, 'disk full'); end"});
    QVERIFY(!SaveComConfig(db.Store(), ComConfig{5, 7, 1, 0, 2, 2}).Succeeded());
    QCOMPARE(db.Rows("select * from COMConfig"), QStringList{"2|4|0|1|0|1"});
    const QStringList messages = db.Reporter().Messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains("disk full"), qPrintable(messages.first()));
}

void TestComConfig::aFailedReadGivesTheDefaultsAndSaysSo()
{
    CTestDatabase db;
    // The settings' table gone from under the program (removed by another one).
    db.Run({"drop table COMConfig"});
    const Produced<ComConfig> read = ReadComConfig(db.Store());
    QCOMPARE(read.outcome.status, Status::DatabaseError);
    QCOMPARE(read.value, ComConfig{});
    QCOMPARE(db.Reporter().Messages(), QStringList({"no such table: COMConfig"}));
}

void TestComConfig::openPortUsesTheStoredRateAndStopBits()
{
    SKIP_WITHOUT_SIMULATED_INSTRUMENT();
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartReceiving());
    CSerialPort port;
    QVERIFY(!OpenPort(port, ComConfig{1, 7, 0, 1, 2, 2}, instrument.DevicePath()).IsError());
    QVERIFY(instrument.WaitForLine("framing: 115200 baud, 2 stop bits"));
    port.Close();

    CSerialPort missing;
    qputenv("MERION_COM5", "/nonexistent/ttyX");
    QVERIFY(OpenPort(missing, ComConfig{5, 3, 0, 0, 0, 0}).IsError());
    qunsetenv("MERION_COM5");
}

QTEST_GUILESS_MAIN(TestComConfig)
#include "tst_com_config.moc"
