#include "core/files/files_texts.h"
#include "core/files/list_export.h"
#include "core/files/text_import.h"
#include "file_bytes.h"
#include "test_database.h"
#include "core/views/list_rows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The three list exports, compared byte for byte with files written by hand.
class TestListExport : public QObject
{
    Q_OBJECT

private:
    static QByteArray Expected(const char* name) { return FileBytes(QStringLiteral(MERION_TEST_DATA "/files/") + name); }

    static QList<QStringList> CoorRows()
    {
        return {{"5", "Import_Data", "P1", "100.5", "200.25", "10", "TREE"}};
    }

    QTemporaryDir m_dir;

private slots:
    void outputFileFormat8WithTab()
    {
        CRecordingReporter reporter;
        const QString path = m_dir.filePath("format8.txt");
        QVERIFY(ExportOutputFile(path, DataKind::Coor, 7, CoorRows(), 2, 7, reporter));
        QCOMPARE(FileBytes(path), Expected("format8_tab.txt"));
        QCOMPARE(reporter.Messages(), QStringList{}); // no message on success
    }

    void outputFileSeparator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("separator");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("csv forces commas") << "a.csv" << 2 << QByteArray("5,P1,200.25,100.5,10,TREE\r\n");
        QTest::newRow("CSV keeps the tab") << "b.CSV" << 2 << QByteArray("5\tP1\t200.25\t100.5\t10\tTREE\r\n");
        QTest::newRow("blank to dat") << "c.dat" << 1 << QByteArray("5 P1 200.25 100.5 10 TREE\r\n");
        QTest::newRow("comma to txt") << "d.txt" << 0 << QByteArray("5,P1,200.25,100.5,10,TREE\r\n");
        QTest::newRow("no extension") << "e" << 2 << QByteArray("5\tP1\t200.25\t100.5\t10\tTREE\r\n");
    }

    void outputFileSeparator()
    {
        QFETCH(QString, name);
        QFETCH(int, separator);
        QFETCH(QByteArray, line);
        CRecordingReporter reporter;
        QVERIFY(ExportOutputFile(m_dir.filePath(name), DataKind::Coor, 7, CoorRows(), separator, 7, reporter));
        QCOMPARE(FileBytes(m_dir.filePath(name)), line);
    }

    void outputFileFormats()
    {
        // Each format writes the cells of its columns; SN is the list's number.
        const QList<QByteArray> lines = {
            "P1,100.5,200.25,10,TREE\r\n",   "P1,200.25,100.5,10,TREE\r\n",   "P1,TREE,100.5,200.25,10\r\n",
            "P1,TREE,200.25,100.5,10\r\n",   "5,P1,TREE,100.5,200.25,10\r\n", "5,P1,TREE,200.25,100.5,10\r\n",
            "5,P1,100.5,200.25,10,TREE\r\n", "5,P1,200.25,100.5,10,TREE\r\n"};
        CRecordingReporter reporter;
        for (int format = 0; format < 8; ++format)
        {
            const QString path = m_dir.filePath(QStringLiteral("format%1.dat").arg(format));
            QVERIFY(ExportOutputFile(path, DataKind::Coor, 7, CoorRows(), 0, format, reporter));
            QCOMPARE(FileBytes(path), lines[format]);
        }
    }

    void outputFileOtherKinds()
    {
        // The number and the origin are left out, every further column is written.
        CRecordingReporter reporter;
        const QString path = m_dir.filePath("codes.txt");
        QVERIFY(ExportOutputFile(path, DataKind::Code, 4, {{"1", "Import_Code Data", "12", "KERB"}, {"2", "x", "13", ""}}, 1, 0,
                                 reporter));
        QCOMPARE(FileBytes(path), QByteArray("12 KERB\r\n13 \r\n"));
    }

    void listExportTrimsCaptionsOnly()
    {
        CRecordingReporter reporter;
        const QString path = m_dir.filePath("list.csv");
        QVERIFY(ExportList(path, {" 序号 ", "点名  ", "  CODE"}, {{"1", " P1 ", "A,B"}, {"2", "P2", ""}}, reporter));
        QCOMPARE(FileBytes(path), Expected("list_export.csv"));
        QCOMPARE(reporter.Messages(), QStringList{FilesTexts::DataExportSuccess});
    }

    void emptyLists()
    {
        CRecordingReporter reporter;
        QVERIFY(ExportList(m_dir.filePath("empty.csv"), {"A", "B"}, {}, reporter));
        QCOMPARE(FileBytes(m_dir.filePath("empty.csv")), QByteArray("A,B\r\n"));
        QVERIFY(ExportData(m_dir.filePath("empty.txt"), DataKind::Coor, {}, reporter));
        QCOMPARE(FileBytes(m_dir.filePath("empty.txt")), QByteArray());
    }

    void dataExport_data()
    {
        QTest::addColumn<DataKind>("kind");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("coordinates") << DataKind::Coor << CoorRows() << QByteArray("P1,100.5,200.25,10,TREE\r\n");
        QTest::newRow("codes") << DataKind::Code << QList<QStringList>{{"1", "Import_Code Data", "12", "KERB"}}
                               << QByteArray("12,KERB\r\n");
        QTest::newRow("alignment") << DataKind::Alignment
                                   << QList<QStringList>{{"1", "Manual_Input_Data", "1", "0", "500", "100.5", "200.5"},
                                                         {"2", "Manual_Input_Data", "2", "150.25", "", "7", "8"}}
                                   << QByteArray("1,0,500,100.5,200.5\r\n2,150.25,,7,8\r\n");
    }

    void dataExport()
    {
        QFETCH(DataKind, kind);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QByteArray, file);
        CRecordingReporter reporter;
        const QString path = m_dir.filePath(QStringLiteral("data%1.txt").arg(NumberOf(kind)));
        QVERIFY(ExportData(path, kind, rows, reporter));
        QCOMPARE(FileBytes(path), file);
        QCOMPARE(reporter.Messages(), QStringList{FilesTexts::ExportSuccess});
    }

    void unwritableFile()
    {
        CRecordingReporter reporter;
        const QString path = m_dir.filePath("no/such/folder/out.csv");
        QVERIFY(!ExportList(path, {"A"}, {{"1"}}, reporter));
        QVERIFY(!ExportOutputFile(path, DataKind::Coor, 7, CoorRows(), 0, 0, reporter));
        QVERIFY(!ExportData(path, DataKind::Code, {{"1", "a", "b", "c"}}, reporter));
        QCOMPARE(reporter.Messages(), QStringList(3, FilesTexts::OpenFileFailed));
        QCOMPARE(reporter.Icons(), QList<MessageIcon>(3, MessageIcon::Exclamation));
        QVERIFY(!QFile::exists(path));
    }

    // Importing a file and exporting it again in the same format gives back the same bytes.
    void roundTrip()
    {
        CTestDatabase db;
        const QString input = QStringLiteral(MERION_TEST_DATA "/files/roundtrip_format5.txt");
        QCOMPARE(ImportFile(db.Store(), ImportType::Coor, 4, input), ImportStatus::Done);
        const QString output = db.FilePath("out.txt");
        QVERIFY(ExportOutputFile(output, DataKind::Coor, 7, ReadListRows(db.Store(), DataKind::Coor), 0, 4, db.Reporter()));
        QCOMPARE(FileBytes(output), FileBytes(input));
        QCOMPARE(db.Reporter().Messages(), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestListExport)
#include "tst_list_export.moc"
