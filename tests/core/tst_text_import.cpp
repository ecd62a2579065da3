#include "core/files/files_texts.h"
#include "core/files/text_import.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"
#include "test_database.h"

#include <QFile>
#include <QTest>

// Text import of point and code lists: rows worked out by hand from the import rules.
class TestTextImport : public QObject
{
    Q_OBJECT

private:
    static const char* CoorColumns() { return "select ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE from CoorEdit order by ID"; }

    static QString WriteFile(CTestDatabase& db, const QByteArray& bytes)
    {
        const QString path = db.FilePath(QStringLiteral("input.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the input file");
        return path;
    }

    // The list after an import: the table's rows with the cells the import shows its own way.
    static QStringList Shown(CTestDatabase& db, DataKind kind, const ListCellOverlay& overlay = {})
    {
        QStringList joined;
        CListReader rows(db.Store(), kind, &overlay);
        while (rows.Next())
            joined << rows.Texts(rows.ColumnCount()).join(QLatin1Char('|'));
        return joined;
    }

private slots:
    void coordinateLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("table");

        QTest::newRow("format 1") << QByteArray("P1,100.5,200.25,10,TREE\r\n") << 0
                                  << QStringList{"1|Import_Data|P1|100.5|200.25|10|TREE"}
                                  << QStringList{"1|Import_Data|P1|100.5|200.25|10|TREE"};
        QTest::newRow("format 2 swaps north and east")
            << QByteArray("P1,100.5,200.25,10,TREE\r\n") << 1 << QStringList{"1|Import_Data|P1|200.25|100.5|10|TREE"}
            << QStringList{"1|Import_Data|P1|200.25|100.5|10|TREE"};
        QTest::newRow("format 5 numbers rows itself")
            << QByteArray("7,P7,ROAD,1,2,3\r\n") << 4 << QStringList{"1|Import_Data|P7|1|2|3|ROAD"}
            << QStringList{"1|Import_Data|P7|1|2|3|ROAD"};
        QTest::newRow("format 8") << QByteArray("3,P8,1,2,3,WALL") << 7 << QStringList{"1|Import_Data|P8|2|1|3|WALL"}
                                  << QStringList{"1|Import_Data|P8|2|1|3|WALL"};
        QTest::newRow("empty coordinates become 0")
            << QByteArray("P2,,,,X\r\n") << 0 << QStringList{"1|Import_Data|P2|0|0|0|X"}
            << QStringList{"1|Import_Data|P2|0|0|0|X"};
        QTest::newRow("no comma, no field") << QByteArray("P3\r\nP9,1,2,3,Z\r\n") << 0
                                            << QStringList{"1|Import_Data||0|0|0|", "2|Import_Data|P9|1|2|3|Z"}
                                            << QStringList{"1|Import_Data||0|0|0|", "2|Import_Data|P9|1|2|3|Z"};
        QTest::newRow("short line") << QByteArray("P4,100.5") << 0 << QStringList{"1|Import_Data|P4|100.5|0|0|"}
                                    << QStringList{"1|Import_Data|P4|100.5|0|0|"};
        QTest::newRow("fields beyond the format ignored")
            << QByteArray("P5,1,2,3,A,extra,more\r\n9,P6,1,2,3,B,extra\r\n") << 6
            << QStringList{"1|Import_Data|1|2|3|A|extra", "2|Import_Data|P6|1|2|3|B"}
            << QStringList{"1|Import_Data|1|2|3|A|extra", "2|Import_Data|P6|1|2|3|B"};
        QTest::newRow("blanks kept, stored code trimmed")
            << QByteArray("P1, 5 ,6,7, ABC\r\n") << 0 << QStringList{"1|Import_Data|P1| 5 |6|7| ABC"}
            << QStringList{"1|Import_Data|P1| 5 |6|7|ABC"};
        QTest::newRow("semicolons and tabs are no separators")
            << QByteArray("P1;1;2;3;A\r\nP2\t1\t2\t3\tB\r\nP9,1,2,3,Z\r\n") << 0
            << QStringList{"1|Import_Data||0|0|0|", "2|Import_Data||0|0|0|", "3|Import_Data|P9|1|2|3|Z"}
            << QStringList{"1|Import_Data||0|0|0|", "2|Import_Data||0|0|0|", "3|Import_Data|P9|1|2|3|Z"};
        QTest::newRow("empty line counts, final line end does not")
            << QByteArray("P1,1,2,3,A\r\n\r\nP2,4,5,6,B\r\n\r\n") << 0
            << QStringList{"1|Import_Data|P1|1|2|3|A", "2|Import_Data||0|0|0|", "3|Import_Data|P2|4|5|6|B",
                           "4|Import_Data||0|0|0|"}
            << QStringList{"1|Import_Data|P1|1|2|3|A", "2|Import_Data||0|0|0|", "3|Import_Data|P2|4|5|6|B",
                           "4|Import_Data||0|0|0|"};
        QTest::newRow("duplicate names kept, LF line ends")
            << QByteArray("P1,1,2,3,A\nP1,4,5,6,B\n") << 0
            << QStringList{"1|Import_Data|P1|1|2|3|A", "2|Import_Data|P1|4|5|6|B"}
            << QStringList{"1|Import_Data|P1|1|2|3|A", "2|Import_Data|P1|4|5|6|B"};
        QTest::newRow("CR alone ends lines too")
            << QByteArray("P1,1,2,3,A\rP2,4,5,6,B\r\rP3,7,8,9,C\r") << 0
            << QStringList{"1|Import_Data|P1|1|2|3|A", "2|Import_Data|P2|4|5|6|B", "3|Import_Data||0|0|0|",
                           "4|Import_Data|P3|7|8|9|C"}
            << QStringList{"1|Import_Data|P1|1|2|3|A", "2|Import_Data|P2|4|5|6|B", "3|Import_Data||0|0|0|",
                           "4|Import_Data|P3|7|8|9|C"};
        // A GBK lead byte with nothing after it: the line stays, the broken character shows as U+FFFD.
        QTest::newRow("unfinished character at the end")
            << QByteArray("P1,1,2,3\n\xb5") << 0
            << QStringList{"1|Import_Data|P1|1|2|3|", QStringLiteral("2|Import_Data||0|0|0|")}
            << QStringList{"1|Import_Data|P1|1|2|3|", QStringLiteral("2|Import_Data||0|0|0|")};
        QTest::newRow("unfinished character ends a field")
            << QByteArray("P1,1,2,3,\xb5") << 0 << QStringList{QStringLiteral("1|Import_Data|P1|1|2|3|\uFFFD")}
            << QStringList{QStringLiteral("1|Import_Data|P1|1|2|3|\uFFFD")};
    }

    void coordinateLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, format);
        QFETCH(QStringList, list);
        QFETCH(QStringList, table);

        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'Manual_Input_Data','OLD','1','2','3','')"});
        ListCellOverlay codes;
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, format, WriteFile(db, file), &codes)).status, Status::Done);
        QCOMPARE(Shown(db, DataKind::Coor, codes), list);
        QCOMPARE(db.Rows(CoorColumns()), table);
        // Empty fields are stored as empty texts, never as no value.
        QCOMPARE(db.Rows("select count(*) from CoorEdit where SN is null or NCOOR is null or CODE is null"),
                 QStringList{"0"});
        QCOMPARE(db.Reporter().Messages(), QStringList{});
    }

    // Rows are stored in batches: every line must land once, in order, the last few included,
    // and a refused row in a full batch undoes the whole import as well.
    void manyLines()
    {
        CTestDatabase db;
        QByteArray file;
        for (int i = 1; i <= 200; ++i)
            file += QStringLiteral("P%1,%1.5,%2,0,C'%1\r\n").arg(i).arg(i * 2).toLatin1();
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, WriteFile(db, file))).status, Status::Done);
        QCOMPARE(db.Count("CoorEdit"), 200);
        QCOMPARE(db.Rows("select ID,SN,NCOOR,ECOOR,CODE from CoorEdit where ID in (1,64,65,128,129,200) order by ID"),
                 (QStringList{"1|P1|1.5|2|C'1", "64|P64|64.5|128|C'64", "65|P65|65.5|130|C'65",
                              "128|P128|128.5|256|C'128", "129|P129|129.5|258|C'129", "200|P200|200.5|400|C'200"}));
        QCOMPARE(db.Rows("select count(*) from CoorEdit where SN = 'P' || ID"), QStringList{"200"});

        db.Run({"create trigger refuse before insert on CoorEdit when NEW.SN='P10' "
                "begin select raise(abort, 'refused point'); end"});
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 1, WriteFile(db, file))).status, Status::DatabaseError);
        QCOMPARE(db.Reporter().Messages(), QStringList{"refused point"});
        QCOMPARE(db.Rows("select ID,NCOOR from CoorEdit where ID=1"), QStringList{"1|1.5"}); // format (1) kept
        QCOMPARE(db.Count("CoorEdit"), 200);
    }

    void codeLines()
    {
        CTestDatabase db;
        db.Run({"insert into CodeEdit (ID,ATTR,SN,CODE) values (1,'Manual_Input_Data','99','OLD')"});
        const QString path = WriteFile(db, "12\r\n12,KERB,extra\r\n,EMPTY\r\n\r\n");
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Code, 0, path)).status, Status::Done);
        const QStringList expected{"1|Import_Code Data|12|", "2|Import_Code Data|12|KERB",
                                   "3|Import_Code Data||EMPTY", "4|Import_Code Data||"};
        QCOMPARE(Shown(db, DataKind::Code), expected);
        QCOMPARE(db.Rows("select ID,ATTR,SN,CODE from CodeEdit order by ID"), expected);
    }

    void encodings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("GBK") << QStringLiteral("gbk_points.txt");
        QTest::newRow("UTF-8 with byte-order mark") << QStringLiteral("utf8_bom_points.txt");
    }

    void encodings()
    {
        QFETCH(QString, file);
        CTestDatabase db;
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, QStringLiteral(MERION_TEST_DATA "/files/") + file)).status, Status::Done);
        QCOMPARE(db.Rows(CoorColumns()), QStringList{QStringLiteral("1|Import_Data|测点|100.5|200.25|10|树")});
    }

    // What gives no record must not replace good rows: a binary file, an empty one, a text in
    // which no line is a point, code or job record.
    void refusedFilesKeepTheOldRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QByteArray binary("P1,1,2,3,A\r\n");
        binary += QByteArray(100, '\0');
        binary += "P2,4,5,6,B\r\n";
        QTest::newRow("NUL among point lines") << int(ImportType::Coor) << binary << FilesTexts::BinaryFile.Text();
        QTest::newRow("NUL in a code file") << int(ImportType::Code) << QByteArray("1,A\r\n") + QByteArray(1, '\0') + "\r\n"
                                            << FilesTexts::BinaryFile.Text();
        QTest::newRow("NUL in a job") << int(ImportType::T5) << QByteArray("A,P1,1,2,3,") + QByteArray(1, '\0')
                                      << FilesTexts::BinaryFile.Text();
        QTest::newRow("empty point file") << int(ImportType::Coor) << QByteArray() << FilesTexts::NoRecords.Text();
        QTest::newRow("no comma anywhere") << int(ImportType::Coor) << QByteArray("hello\r\nworld\r\n") << FilesTexts::NoRecords.Text();
        QTest::newRow("only line ends") << int(ImportType::Code) << QByteArray("\r\n\r\n\n") << FilesTexts::NoRecords.Text();
        QTest::newRow("no job record") << int(ImportType::T5) << QByteArray("hello\r\nworld\r\n") << FilesTexts::NoRecords.Text();
        QTest::newRow("no version 2 record") << int(ImportType::V2) << QByteArray("\r\n") << FilesTexts::NoRecords.Text();
    }

    void refusedFilesKeepTheOldRows()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'Manual_Input_Data','OLD','1','2','3','')",
                "insert into CodeEdit (ID,ATTR,SN,CODE) values (1,'Manual_Input_Data','99','OLD')",
                "insert into \"740Meas\" (ID,ATTR,SN) values (1,'old','OLD')",
                "insert into \"520Meas\" (ID,ATTR,MARK) values (1,'old','OLD')"});
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), static_cast<ImportType>(type), 0, WriteFile(db, file))).status,
                 message == FilesTexts::BinaryFile ? Status::NotText : Status::NoRecords);
        QCOMPARE(db.Reporter().Messages(), QStringList{message});
        QCOMPARE(db.Reporter().Icons(), QList<MessageIcon>{MessageIcon::Exclamation});
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList{"OLD"});
        QCOMPARE(db.Rows("select SN from CodeEdit"), QStringList{"99"});
        QCOMPARE(db.Rows("select SN from \"740Meas\""), QStringList{"OLD"});
        QCOMPARE(db.Rows("select MARK from \"520Meas\""), QStringList{"OLD"});
    }

    // A NUL past the first 64 KiB makes the file binary as much as one at its start: the import
    // is refused when the reader meets it, and the rows read before it are not kept.
    void lateNulIsRefused()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'Manual_Input_Data','OLD','1','2','3','')"});
        QByteArray file("P1,1,2,3,A\r\n");
        file += QByteArray(70 * 1024, 'x') + "\r\n";
        file += QByteArray("P2,4,5,6,") + QByteArray(1, '\0') + "B\r\n";
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, WriteFile(db, file))).status,
                 Status::NotText);
        QCOMPARE(db.Reporter().Messages(), QStringList{FilesTexts::BinaryFile});
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList{"OLD"});
    }

    void missingFileChangesNothing()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'Manual_Input_Data','OLD','1','2','3','')"});
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, db.FilePath("absent.txt"))).status, Status::FileNotReadable);
        QCOMPARE(db.Reporter().Messages(), QStringList{FilesTexts::OpenFileFailed});
        QCOMPARE(db.Reporter().Icons(), QList<MessageIcon>{MessageIcon::Exclamation});
        QCOMPARE(db.Count("CoorEdit"), 1);
        db.Reporter().Clear();
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, db.FilePath(""))).status, Status::FileNotReadable);
        QCOMPARE(db.Reporter().Messages(), QStringList{FilesTexts::OpenFileFailed});
    }

    // A database error half-way must leave the old rows, not a table that is half old and half new.
    void failureHalfWayKeepsTheOldRows()
    {
        CTestDatabase db;
        db.Run({"insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'Manual_Input_Data','OLD','1','2','3','')",
                "insert into CodeEdit (ID,ATTR,SN,CODE) values (1,'Manual_Input_Data','99','OLD')",
                "create trigger refuse_coor before insert on CoorEdit when NEW.SN='BAD' "
                "begin select raise(abort, 'refused point'); end",
                "create trigger refuse_code before insert on CodeEdit when NEW.SN='BAD' "
                "begin select raise(abort, 'refused code'); end"});
        const QString coor = WriteFile(db, "P1,1,2,3,A\r\nP2,4,5,6,B\r\nBAD,7,8,9,C\r\nP4,1,1,1,D\r\n");
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, coor)).status, Status::DatabaseError);
        QCOMPARE(db.Reporter().Messages(), QStringList{"refused point"});
        QCOMPARE(db.Rows(CoorColumns()), QStringList{"1|Manual_Input_Data|OLD|1|2|3|"});

        db.Reporter().Clear();
        const QString code = WriteFile(db, "1,A\r\nBAD,B\r\n");
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Code, 0, code)).status, Status::DatabaseError);
        QCOMPARE(db.Reporter().Messages(), QStringList{"refused code"});
        QCOMPARE(db.Rows("select ID,SN,CODE from CodeEdit"), QStringList{"1|99|OLD"});

        // The store is usable afterwards: a good file imports.
        db.Reporter().Clear();
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::Coor, 0, WriteFile(db, "P9,1,2,3,Z"))).status, Status::Done);
        QCOMPARE(db.Rows(CoorColumns()), QStringList{"1|Import_Data|P9|1|2|3|Z"});
    }

    void savedJob()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\" (ID,ATTR,SN) values (1,'old','OLD')"});
        // Trailing blanks go, LF line ends become CR LF, and the last line needs no line end.
        const QString path = WriteFile(db, "C,ST1,100.000,200.000,10.000,1.500,STN,   \n"
                                           "E,P5,648000,324000,1.500,TREE,123.456,\t\n"
                                           "A,P1,0012.5,300.25,5.000,\n"
                                           "A,P2,1,2,3,");
        ListCellOverlay codes;
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::T8, 3, path, &codes)).status, Status::Done);
        QVERIFY(codes.IsEmpty());
        QCOMPARE(db.Rows("select ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE,PH,IH,HA,VA,SD from \"740Meas\" order by ID"),
                 (QStringList{"1|T5(T8)_Meas_Station|ST1|100.000|200.000|10.000|STN||1.500|||",
                              "2|T5(T8)_Meas_Dist|P5||||TREE|1.500||90.0000|45.0000|123.456",
                              "3|T5(T8)_Meas_Input-Coor|P1|0012.5|300.25|5.000||||||",
                              "4|T5(T8)_Meas_Input-Coor|P2|1|2|3||||||"}));
        QCOMPARE(db.Rows("select ID,SN from CoorEdit order by ID"), (QStringList{"1|ST1", "3|P1", "4|P2"}));
        QCOMPARE(db.Reporter().Messages(), QStringList{});
    }

    void savedJobRefusedHalfWay()
    {
        CTestDatabase db;
        db.Run({"insert into \"740Meas\" (ID,ATTR,SN) values (1,'old','OLD')",
                "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (1,'Manual_Input_Data','KEEP','1','2','3','')",
                "create trigger refuse before insert on \"740Meas\" when NEW.SN='BAD' "
                "begin select raise(abort, 'refused row'); end"});
        const QString path = WriteFile(db, "A,P1,1,2,3,\r\nA,BAD,1,2,3,\r\nA,P3,1,2,3,\r\n");
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::T5, 0, path)).status, Status::DatabaseError);
        QCOMPARE(db.Reporter().Messages(), QStringList{"refused row"});
        QCOMPARE(db.Rows("select ID,SN from \"740Meas\""), QStringList{"1|OLD"});
        QCOMPARE(db.Rows("select SN from CoorEdit"), QStringList{"KEEP"});
    }

    void versionTwoText()
    {
        CTestDatabase db;
        db.Run({"insert into \"520RoadStake\" (ID,ATTR,DIST) values (1,'old','9')",
                "insert into CoorEdit (ID,ATTR,SN) values (7,'Manual_Input_Data','OLD')"});
        // The format index names the record kind (2: road stake-out); the file's last line needs no line end.
        const QString path = WriteFile(db, "1,10.000,20,3000.000,5000.000,100.000,0012.5,  \n"
                                           "2,5,20,1,2,3,m,");
        QCOMPARE(db.Reporter().Record(ImportFile(db.Store(), ImportType::V2, 2, path)).status, Status::Done);
        QCOMPARE(db.Rows("select ID,ATTR,DIST,LABGRAP,LABX,LABY,LABZ,MEMO from \"520RoadStake\" order by ID"),
                 (QStringList{"1|T8_V2_RoadStake|10.000|20|3000.000|5000.000|100.000|12.5",
                              "2|T8_V2_RoadStake|5|20|1|2|3|m"}));
        QCOMPARE(db.Rows("select ID,ATTR,NCOOR from CoorEdit order by ID"),
                 (QStringList{"1|T8_V2_Coor|3000.000", "2|T8_V2_Coor|1"}));
        QCOMPARE(db.Reporter().Messages(), QStringList{});
    }

    void kindOfEachType()
    {
        QCOMPARE(NumberOf(ImportKindOf(ImportType::Coor)), 21);
        QCOMPARE(NumberOf(ImportKindOf(ImportType::Code)), 22);
        QCOMPARE(NumberOf(ImportKindOf(ImportType::T5)), 74001);
        QCOMPARE(NumberOf(ImportKindOf(ImportType::T8)), 74001);
        QCOMPARE(NumberOf(ImportKindOf(ImportType::V2)), 52001);
        // After the import the list shows what the record kind filled.
        QCOMPARE(NumberOf(ImportedKindOf(ImportType::V2, 1)), 21);
        QCOMPARE(NumberOf(ImportedKindOf(ImportType::V2, 4)), 52004);
        QCOMPARE(NumberOf(ImportedKindOf(ImportType::T8, 0)), 74001);
    }
};

QTEST_GUILESS_MAIN(TestTextImport)
#include "tst_text_import.moc"
