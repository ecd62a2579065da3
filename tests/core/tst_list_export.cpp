#include "core/files/files_texts.h"
#include "core/files/list_export.h"
#include "core/files/text_import.h"
#include "file_bytes.h"
#include "test_database.h"
#include "core/views/list_rows.h"
#include "words/result_words.h"

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
        const QString path = m_dir.filePath("format8.txt");
        const Outcome outcome = ExportOutputFile(path, DataKind::Coor, 7, CoorRows(), 2, 7);
        QVERIFY(outcome.Succeeded());
        QCOMPARE(FileBytes(path), Expected("format8_tab.txt"));
        QCOMPARE(MessageOf(outcome).text, QString()); // no message on success
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
        QVERIFY(ExportOutputFile(m_dir.filePath(name), DataKind::Coor, 7, CoorRows(), separator, 7).Succeeded());
        QCOMPARE(FileBytes(m_dir.filePath(name)), line);
    }

    void outputFileFormats()
    {
        // Each format writes the cells of its columns; SN is the list's number.
        const QList<QByteArray> lines = {
            "P1,100.5,200.25,10,TREE\r\n",   "P1,200.25,100.5,10,TREE\r\n",   "P1,TREE,100.5,200.25,10\r\n",
            "P1,TREE,200.25,100.5,10\r\n",   "5,P1,TREE,100.5,200.25,10\r\n", "5,P1,TREE,200.25,100.5,10\r\n",
            "5,P1,100.5,200.25,10,TREE\r\n", "5,P1,200.25,100.5,10,TREE\r\n"};
        for (int format = 0; format < 8; ++format)
        {
            const QString path = m_dir.filePath(QStringLiteral("format%1.dat").arg(format));
            QVERIFY(ExportOutputFile(path, DataKind::Coor, 7, CoorRows(), 0, format).Succeeded());
            QCOMPARE(FileBytes(path), lines[format]);
        }
    }

    void outputFileOtherKinds()
    {
        // The number and the origin are left out, every further column is written.
        const QString path = m_dir.filePath("codes.txt");
        QVERIFY(ExportOutputFile(path, DataKind::Code, 4, {{"1", "Import_Code Data", "12", "KERB"}, {"2", "x", "13", ""}}, 1, 0)
                    .Succeeded());
        QCOMPARE(FileBytes(path), QByteArray("12 KERB\r\n13 \r\n"));
    }

    // The cells keep their blanks; a cell with a comma is quoted, as CSV has it.
    void listExportTrimsCaptionsOnly()
    {
        const QString path = m_dir.filePath("list.csv");
        const Outcome outcome = ExportList(path, {" 序号 ", "点名  ", "  CODE"}, {{"1", " P1 ", "A,B"}, {"2", "P2", ""}});
        QVERIFY(outcome.Succeeded());
        QCOMPARE(FileBytes(path), Expected("list_export.csv"));
        QCOMPARE(MessageOf(outcome).text, FilesTexts::DataExportSuccess);
        QCOMPARE(MessageOf(outcome).icon, MessageIcon::Information);
    }

    void emptyLists()
    {
        QVERIFY(ExportList(m_dir.filePath("empty.csv"), {"A", "B"}, {}).Succeeded());
        QCOMPARE(FileBytes(m_dir.filePath("empty.csv")), QByteArray("A,B\r\n"));
        QVERIFY(ExportData(m_dir.filePath("empty.txt"), DataKind::Coor, {}).Succeeded());
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
        const QString path = m_dir.filePath(QStringLiteral("data%1.txt").arg(NumberOf(kind)));
        const Outcome outcome = ExportData(path, kind, rows);
        QVERIFY(outcome.Succeeded());
        QCOMPARE(FileBytes(path), file);
        QCOMPARE(MessageOf(outcome).text, FilesTexts::ExportSuccess);
    }

    void unwritableFile()
    {
        const QString path = m_dir.filePath("no/such/folder/out.csv");
        for (const Outcome& outcome : {ExportList(path, {"A"}, {{"1"}}), ExportOutputFile(path, DataKind::Coor, 7, CoorRows(), 0, 0),
                                       ExportData(path, DataKind::Code, {{"1", "a", "b", "c"}})})
        {
            QCOMPARE(outcome.status, Status::FileNotWritable);
            QCOMPARE(MessageOf(outcome).text, FilesTexts::OpenFileFailed);
            QCOMPARE(MessageOf(outcome).icon, MessageIcon::Exclamation);
        }
        QVERIFY(!QFile::exists(path));
    }

    // Importing a file and exporting it again in the same format gives back the same bytes.
    void roundTrip()
    {
        CTestDatabase db;
        const QString input = QStringLiteral(MERION_TEST_DATA "/files/roundtrip_format5.txt");
        QCOMPARE(ImportFile(db.Store(), ImportType::Coor, 4, input).status, Status::Done);
        const QString output = db.FilePath("out.txt");
        QVERIFY(ExportOutputFile(output, DataKind::Coor, 7, ReadListRows(db.Store(), DataKind::Coor), 0, 4).Succeeded());
        QCOMPARE(FileBytes(output), FileBytes(input));
        QCOMPARE(db.Reporter().Messages(), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestListExport)
#include "tst_list_export.moc"
