#include "core/edit/alignment_edit.h"
#include "core/edit/code_edit.h"
#include "core/edit/coor_edit.h"
#include "core/edit/edit_texts.h"
#include "core/edit/record_delete.h"
#include "core/edit/typed_number.h"
#include "test_database.h"
#include "core/views/data_kind.h"
#include "core/views/list_rows.h"
#include "words/result_words.h"

#include <QTest>

namespace
{
const char* const CoorRows = "select ID, ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE from CoorEdit order by rowid";
const char* const AlignmentRows = "select ID, ATTR, LINETYPE, STARTDIST, CIRCUS, NCOOR, ECOOR from \"520SurLine\" order by rowid";

Outcome AddPoint(CTestDatabase& db, const QString& name, const QString& n = QStringLiteral("1"),
                     const QString& e = QStringLiteral("2"), const QString& z = QStringLiteral("3"),
                     const QString& code = QString())
{
    return AddCoor(db.Store(), {name, n, e, z, code});
}

Outcome AddElement(CTestDatabase& db, const QString& type, const QString& start)
{
    return AddAlignment(db.Store(), {QString(), type, start, QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20")});
}
} // namespace

class TestRecordEdit : public QObject
{
    Q_OBJECT

private slots:
    void addingPointsNumbersThemAndKeepsMillimetres();
    void addingRefusesEmptyAndDuplicateNamesWritingNothing();
    void coordinatesThatAreNoNumbersStopTheSave();
    void editingChangesCoordinatesAndCodeButNeverTheName();
    void namesWithApostrophesTouchOnlyTheirOwnRows();
    void namesWithNulBytesAreEditedAndDeletedLikeAnyOther();
    void deletingRenumbersTheRest();
    void deletingRenumbersDuplicateNamesOneByOne();
    void renumberingFollowsTheStoredOrderWhateverTheNumbersWere();
    void deleteAskedNoKeepsEverything();
    void deletingSeveralKeysAtOnce();
    void deleteAllAsksOnceAndEmptiesTheList();
    void codesAreAddedEditedAndRefusedLikePoints();
    void alignmentElementsGetCountPlusOne();
    void alignmentEditTargetsTheSequenceNumber();
    void alignmentFieldsGoInAsTyped();
    void alignmentListsByStartChainage();
    void numbersAreReadAsSurveyorsTypeThem();
};

void TestRecordEdit::addingPointsNumbersThemAndKeepsMillimetres()
{
    CTestDatabase db;
    QVERIFY(AddPoint(db, "P1", "100.5", "200.25", "10", "TREE").Succeeded());
    QVERIFY(AddPoint(db, "P2", "1234567.8912", "3456789.123", "-0.0004").Succeeded());
    QVERIFY(AddPoint(db, "P3", " 12 ", "1e3", "+7.25").Succeeded());
    QCOMPARE(db.Rows(CoorRows), QStringList({
                                    "1|Manual_Input_Data|P1|100.500|200.250|10.000|TREE",
                                    "2|Manual_Input_Data|P2|1234567.891|3456789.123|-0.000|",
                                    "3|Manual_Input_Data|P3|12.000|1000.000|7.250|",
                                }));
    QVERIFY(db.Reporter().Messages().isEmpty());
}

void TestRecordEdit::addingRefusesEmptyAndDuplicateNamesWritingNothing()
{
    CTestDatabase db;
    QVERIFY(AddPoint(db, "A").Succeeded());
    QVERIFY(AddPoint(db, "B").Succeeded());

    const Outcome duplicate = AddPoint(db, "A", "9", "9", "9");
    QCOMPARE(duplicate.status, Status::NameExists);
    QCOMPARE(MessageOf(duplicate).text, QStringLiteral("PT Name Already Exists,Please Rename!"));
    QCOMPARE(db.Count("CoorEdit"), 2);

    // The empty name is refused before the numbers are looked at: an empty dialog says so.
    const Outcome empty = AddPoint(db, "", "", "", "");
    QCOMPARE(empty.status, Status::EmptyName);
    QCOMPARE(MessageOf(empty).text, QStringLiteral("PT Name Can't Be Null!"));
    QCOMPARE(AddPoint(db, "   ").status, Status::EmptyName);
    QCOMPARE(EditCoor(db.Store(), {"", "1", "2", "3", ""}).status, Status::EmptyName);
    QCOMPARE(db.Count("CoorEdit"), 2);

    // Once the old point is gone the name is free again, and the new row comes last.
    QVERIFY(DeleteRecord(db.Store(), DataKind::Coor, "A").Succeeded());
    QVERIFY(AddPoint(db, "A", "9", "9", "9").Succeeded());
    QCOMPARE(db.Rows("select ID, SN, NCOOR from CoorEdit order by rowid"),
             QStringList({"1|B|1.000", "2|A|9.000"}));
    QVERIFY(db.Reporter().Messages().isEmpty());
}

void TestRecordEdit::coordinatesThatAreNoNumbersStopTheSave()
{
    CTestDatabase db;
    const struct
    {
        const char* n;
        const char* e;
        const char* z;
        QString field;
    } cases[] = {
        {"abc", "2", "3", "北坐标(N)"}, {"1", "2,5", "3", "东坐标(E)"}, {"1", "2", "", "高程(Z)"},
        {"nan", "2", "3", "北坐标(N)"}, {"1", "inf", "3", "东坐标(E)"}, {"1", "2", "3m", "高程(Z)"},
    };
    for (const auto& c : cases)
    {
        const Outcome outcome = AddPoint(db, "P", c.n, c.e, c.z);
        QCOMPARE(outcome.status, Status::InvalidNumber);
        QCOMPARE(MessageOf(outcome).text, c.field + " Must Be A Number!");
    }
    QCOMPARE(db.Count("CoorEdit"), 0);

    QVERIFY(AddPoint(db, "P", "1", "2", "3", "OLD").Succeeded());
    const Outcome edit = EditCoor(db.Store(), {"P", "5", "x", "7", "NEW"});
    QCOMPARE(edit.status, Status::InvalidNumber);
    QCOMPARE(edit.detail, EditTexts::East);
    QCOMPARE(db.Rows(CoorRows), QStringList({"1|Manual_Input_Data|P|1.000|2.000|3.000|OLD"}));
}

void TestRecordEdit::editingChangesCoordinatesAndCodeButNeverTheName()
{
    CTestDatabase db;
    QVERIFY(AddPoint(db, "P1", "1", "2", "3", "OLD").Succeeded());
    QVERIFY(AddPoint(db, "P2", "4", "5", "6", "KEEP").Succeeded());

    QVERIFY(EditCoor(db.Store(), {"P1", "10.1234", "20.5", "30", "NEW"}).Succeeded());
    QCOMPARE(db.Rows(CoorRows), QStringList({
                                    "1|Manual_Input_Data|P1|10.123|20.500|30.000|NEW",
                                    "2|Manual_Input_Data|P2|4.000|5.000|6.000|KEEP",
                                }));

    // A name that no row has changes nothing, and says so rather than succeed.
    const Outcome missing = EditCoor(db.Store(), {"P9", "0", "0", "0", "X"});
    QCOMPARE(missing.status, Status::NoSuchRecord);
    QCOMPARE(MessageOf(missing).text, QStringLiteral("<P9> is not in the list: nothing was changed."));
    QCOMPARE(db.Rows("select SN, CODE from CoorEdit order by rowid"), QStringList({"P1|NEW", "P2|KEEP"}));
}

void TestRecordEdit::namesWithApostrophesTouchOnlyTheirOwnRows()
{
    CTestDatabase db;
    QVERIFY(AddPoint(db, "O'Brien", "1", "1", "1", "it's").Succeeded());
    QVERIFY(AddPoint(db, "X' or '1'='1", "2", "2", "2").Succeeded());
    QVERIFY(AddPoint(db, "Y", "3", "3", "3").Succeeded());
    QCOMPARE(AddPoint(db, "O'Brien").status, Status::NameExists);

    QVERIFY(EditCoor(db.Store(), {"X' or '1'='1", "7", "7", "7", "a'b"}).Succeeded());
    QCOMPARE(db.Rows("select SN, NCOOR, CODE from CoorEdit order by rowid"),
             QStringList({"O'Brien|1.000|it's", "X' or '1'='1|7.000|a'b", "Y|3.000|"}));

    QVERIFY(DeleteRecord(db.Store(), DataKind::Coor, "O'Brien").Succeeded());
    QCOMPARE(db.Rows("select ID, SN from CoorEdit order by rowid"), QStringList({"1|X' or '1'='1", "2|Y"}));

    QVERIFY(AddCode(db.Store(), {"C'1", "don't"}).Succeeded());
    QVERIFY(EditCode(db.Store(), {"C'1", "won't"}).Succeeded());
    QCOMPARE(db.Rows("select ID, SN, CODE from CodeEdit"), QStringList({"1|C'1|won't"}));

    QVERIFY(AddElement(db, "1'", "5").Succeeded());
    QCOMPARE(db.Rows("select LINETYPE from \"520SurLine\""), QStringList({"1'"}));
    QVERIFY(db.Reporter().Messages().isEmpty());
}

void TestRecordEdit::namesWithNulBytesAreEditedAndDeletedLikeAnyOther()
{
    // A name read from a damaged file can carry a NUL byte; it is still one whole name, and
    // its prefix "P" is another point that its edits must not reach.
    const QString nul(QChar(0));
    const QString name = "P" + nul + "1";
    CTestDatabase db;
    QVERIFY(AddPoint(db, name, "1", "1", "1", "a" + nul).Succeeded());
    QVERIFY(AddPoint(db, "P", "2", "2", "2").Succeeded());
    QCOMPARE(AddPoint(db, name).status, Status::NameExists);

    QVERIFY(EditCoor(db.Store(), {name, "5", "6", "7", "b" + nul + "c"}).Succeeded());
    QCOMPARE(db.Rows("select ID, SN, NCOOR, ECOOR, ZCOOR, CODE from CoorEdit order by rowid"),
             QStringList({"1|" + name + "|5.000|6.000|7.000|b" + nul + "c", "2|P|2.000|2.000|2.000|"}));
    QVERIFY(DeleteRecord(db.Store(), DataKind::Coor, name).Succeeded());
    QCOMPARE(db.Rows("select ID, SN from CoorEdit order by rowid"), QStringList({"1|P"}));

    QVERIFY(AddCode(db.Store(), {"7" + nul, "x"}).Succeeded());
    QVERIFY(AddCode(db.Store(), {"7", "y"}).Succeeded());
    QVERIFY(EditCode(db.Store(), {"7" + nul, "z" + nul}).Succeeded());
    QCOMPARE(db.Rows("select SN, CODE from CodeEdit order by rowid"), QStringList({"7" + nul + "|z" + nul, "7|y"}));
    QVERIFY(DeleteRecord(db.Store(), DataKind::Code, "7" + nul).Succeeded());
    QCOMPARE(db.Rows("select ID, SN from CodeEdit order by rowid"), QStringList({"1|7"}));

    QVERIFY(AddElement(db, "1", "5").Succeeded());
    QVERIFY(EditAlignment(db.Store(), {"1", "2" + nul, "6", nul, "n" + nul, "e"}).Succeeded());
    QCOMPARE(db.Rows(AlignmentRows), QStringList({"1|Manual_Input_Data|2" + nul + "|6|" + nul + "|n" + nul + "|e"}));
    QVERIFY(db.Reporter().Messages().isEmpty());
}

void TestRecordEdit::deletingRenumbersTheRest()
{
    CTestDatabase db;
    for (const char* name : {"A", "B", "C"})
        QVERIFY(AddPoint(db, name).Succeeded());
    QVERIFY(DeleteRecord(db.Store(), DataKind::Coor, "B").Succeeded());
    QVERIFY(db.Reporter().Questions().isEmpty()); // the desktop program asked before
    QCOMPARE(db.Rows("select ID, SN from CoorEdit order by rowid"), QStringList({"1|A", "2|C"}));

    // The next point follows on without a gap.
    QVERIFY(AddPoint(db, "D").Succeeded());
    QCOMPARE(db.Rows("select ID, SN from CoorEdit order by rowid"), QStringList({"1|A", "2|C", "3|D"}));

    QVERIFY(AddCode(db.Store(), {"10", "x"}).Succeeded());
    QVERIFY(AddCode(db.Store(), {"20", "y"}).Succeeded());
    QVERIFY(DeleteRecord(db.Store(), DataKind::Code, "10").Succeeded());
    QCOMPARE(db.Rows("select ID, SN from CodeEdit"), QStringList({"1|20"}));
}

void TestRecordEdit::deletingRenumbersDuplicateNamesOneByOne()
{
    CTestDatabase db;
    // Imports accept repeated names; their rows must still end up numbered 1, 2, 3.
    db.Run({"insert into CoorEdit (ID, ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE) values (1, 'Import_Data', 'A', '1', '1', '1', '')",
            "insert into CoorEdit (ID, ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE) values (2, 'Import_Data', 'B', '2', '2', '2', '')",
            "insert into CoorEdit (ID, ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE) values (3, 'Import_Data', 'B', '3', '3', '3', '')",
            "insert into CoorEdit (ID, ATTR, SN, NCOOR, ECOOR, ZCOOR, CODE) values (4, 'Import_Data', 'C', '4', '4', '4', '')"});
    QVERIFY(DeleteRecord(db.Store(), DataKind::Coor, "A").Succeeded());
    QCOMPARE(db.Rows("select ID, SN, NCOOR from CoorEdit order by rowid"), QStringList({"1|B|2", "2|B|3", "3|C|4"}));

    // Deleting a repeated name removes every row of it.
    QVERIFY(DeleteRecord(db.Store(), DataKind::Coor, "B").Succeeded());
    QCOMPARE(db.Rows("select ID, SN from CoorEdit"), QStringList({"1|C"}));
}

// The rows end numbered 1, 2, 3 … in the order they were stored, whatever numbers they carried
// and however many rows were deleted before, few or many.
void TestRecordEdit::renumberingFollowsTheStoredOrderWhateverTheNumbersWere()
{
    CTestDatabase db;
    QStringList statements{"begin"};
    for (int i = 1; i <= 120; ++i)
        statements << QStringLiteral("insert into CodeEdit (ID, ATTR, SN, CODE) values (%1, 'Import_Code Data', 'K%2', '')")
                          .arg(1000 - i)
                          .arg(i);
    statements << "commit";
    db.Run(statements);
    // A few gaps: every third row of the first thirty and the row at 60.
    db.Run({"delete from CodeEdit where (rowid <= 30 and rowid % 3 = 0) or rowid = 60"});
    QVERIFY(DeleteRecord(db.Store(), DataKind::Code, "K100").Succeeded());
    QCOMPARE(db.Count("CodeEdit"), 108);
    QCOMPARE(db.Rows("select count(*) from CodeEdit where ID <> (select count(*) from CodeEdit c where c.rowid <= CodeEdit.rowid)"),
             QStringList{"0"});
    QCOMPARE(db.Rows("select ID, SN from CodeEdit where SN in ('K1', 'K4', 'K61', 'K101', 'K120') order by rowid"),
             (QStringList{"1|K1", "3|K4", "50|K61", "89|K101", "108|K120"}));

    // Many gaps: every other row.
    db.Run({"delete from CodeEdit where rowid % 2 = 1"});
    QVERIFY(DeleteRecord(db.Store(), DataKind::Code, "K2").Succeeded());
    QCOMPARE(db.Rows("select count(*) from CodeEdit where ID <> (select count(*) from CodeEdit c where c.rowid <= CodeEdit.rowid)"),
             QStringList{"0"});
    QCOMPARE(db.Rows("select ID, SN from CodeEdit order by rowid limit 2"), (QStringList{"1|K4", "2|K8"}));
}

void TestRecordEdit::deleteAskedNoKeepsEverything()
{
    CTestDatabase db;
    QVERIFY(AddPoint(db, "A").Succeeded());
    QVERIFY(AddPoint(db, "B").Succeeded());
    // The core asks nothing: whoever calls it asked. A key that names no row deletes nothing,
    // and says so.
    db.Reporter().SetAnswer(false);
    QCOMPARE(DeleteRecord(db.Store(), DataKind::Coor, "Z").status, Status::NoSuchRecord);
    QCOMPARE(db.Rows("select ID, SN from CoorEdit order by rowid"), QStringList({"1|A", "2|B"}));
    QCOMPARE(CheckDeleteKey(db.Store(), DataKind::Coor, "A").status, Status::Done);
    QCOMPARE(CheckDeleteKey(db.Store(), DataKind::Coor, "Z").status, Status::NoSuchRecord);
    QCOMPARE(CheckDeleteKey(db.Store(), DataKind::Alignment, "x").status, Status::InvalidNumber);
    QCOMPARE(CheckDeleteKey(db.Store(), DataKind::Meas, "A").status, Status::Cancelled);

    // Lists not kept by hand are not touched.
    db.Run({"insert into \"740Meas\" (ID, SN) values (1, 'M')"});
    QCOMPARE(DeleteAllRecords(db.Store(), DataKind::Meas).status, Status::Cancelled);
    QCOMPARE(DeleteRecord(db.Store(), DataKind::Meas, "M").status, Status::Cancelled);
    QVERIFY(db.Reporter().Questions().isEmpty());
    QCOMPARE(db.Count("740Meas"), 1);
}

// Several keys go in one transaction and the rest are numbered once; keys are bound, whatever
// they hold, and a key no row has any more is passed over.
void TestRecordEdit::deletingSeveralKeysAtOnce()
{
    CTestDatabase db;
    for (const char* name : {"A", "B", "O'C", "D", "E"})
        QVERIFY(AddPoint(db, name).Succeeded());
    QVERIFY(DeleteRecords(db.Store(), DataKind::Coor, {"B", "O'C", "E", "gone"}).Succeeded());
    QVERIFY(db.Reporter().Questions().isEmpty());
    QCOMPARE(db.Rows("select ID, SN from CoorEdit order by rowid"), QStringList({"1|A", "2|D"}));
    QVERIFY(db.Reporter().Messages().isEmpty());

    // The alignment by its running numbers: 2 of 1, 2, 3 goes, 3 becomes 2. A number that is
    // no whole number refuses the lot.
    for (const char* start : {"0", "100", "200"})
        QVERIFY(AddElement(db, "1", start).Succeeded());
    QCOMPARE(DeleteRecords(db.Store(), DataKind::Alignment, {"1", "x"}).status, Status::InvalidNumber);
    QCOMPARE(db.Count("520SurLine"), 3);
    QVERIFY(DeleteRecords(db.Store(), DataKind::Alignment, {"2"}).Succeeded());
    QCOMPARE(db.Rows("select ID, STARTDIST from \"520SurLine\" order by rowid"), QStringList({"1|0", "2|200"}));

    // Lists not kept by hand are not touched.
    db.Run({"insert into \"740Meas\" (ID, SN) values (1, 'M')"});
    QCOMPARE(DeleteRecords(db.Store(), DataKind::Meas, {"M"}).status, Status::Cancelled);
    QCOMPARE(db.Count("740Meas"), 1);
}

void TestRecordEdit::deleteAllAsksOnceAndEmptiesTheList()
{
    CTestDatabase db;
    for (const char* number : {"1", "2", "3"})
        QVERIFY(AddCode(db.Store(), {number, "c"}).Succeeded());
    QVERIFY(AddPoint(db, "P").Succeeded());
    QVERIFY(DeleteAllRecords(db.Store(), DataKind::Code).Succeeded());
    QVERIFY(db.Reporter().Questions().isEmpty());
    QCOMPARE(db.Count("CodeEdit"), 0);
    QCOMPARE(db.Count("CoorEdit"), 1);
}

void TestRecordEdit::codesAreAddedEditedAndRefusedLikePoints()
{
    CTestDatabase db;
    QVERIFY(AddCode(db.Store(), {"1", "TREE"}).Succeeded());
    QVERIFY(AddCode(db.Store(), {"2", "POLE"}).Succeeded());
    QCOMPARE(AddCode(db.Store(), {"1", "OTHER"}).status, Status::NameExists);
    QCOMPARE(AddCode(db.Store(), {"", "OTHER"}).status, Status::EmptyName);
    QVERIFY(EditCode(db.Store(), {"2", "LAMP"}).Succeeded());
    QCOMPARE(db.Rows("select ID, ATTR, SN, CODE from CodeEdit order by rowid"),
             QStringList({"1|Manual_Input_Data|1|TREE", "2|Manual_Input_Data|2|LAMP"}));
}

void TestRecordEdit::alignmentElementsGetCountPlusOne()
{
    CTestDatabase db;
    QVERIFY(AddElement(db, "0", "0").Succeeded());
    QCOMPARE(db.Rows(AlignmentRows), QStringList({"1|Manual_Input_Data|0|0|0|10|20"}));
    QVERIFY(AddElement(db, "1", "100").Succeeded());
    QVERIFY(AddElement(db, "2", "200").Succeeded());
    QVERIFY(AddElement(db, "3", "300").Succeeded());
    QCOMPARE(db.Rows("select ID from \"520SurLine\" order by rowid"), QStringList({"1", "2", "3", "4"}));

    QVERIFY(DeleteRecord(db.Store(), DataKind::Alignment, "2").Succeeded());
    QVERIFY(db.Reporter().Questions().isEmpty());
    QCOMPARE(db.Rows("select ID, LINETYPE from \"520SurLine\" order by rowid"), QStringList({"1|0", "2|2", "3|3"}));
    QVERIFY(AddElement(db, "0", "400").Succeeded());
    QCOMPARE(db.Rows("select ID, LINETYPE from \"520SurLine\" order by rowid"),
             QStringList({"1|0", "2|2", "3|3", "4|0"}));

    // The ID stands bare in the delete: anything but a whole number is refused, nothing asked.
    db.Reporter().Clear();
    const Outcome bad = DeleteRecord(db.Store(), DataKind::Alignment, "1 or 1=1");
    QCOMPARE(bad.status, Status::InvalidNumber);
    QCOMPARE(bad.detail, EditTexts::Sequence);
    QVERIFY(db.Reporter().Questions().isEmpty());
    QCOMPARE(db.Count("520SurLine"), 4);
}

void TestRecordEdit::alignmentEditTargetsTheSequenceNumber()
{
    CTestDatabase db;
    QVERIFY(AddElement(db, "0", "0").Succeeded());
    QVERIFY(AddElement(db, "1", "50").Succeeded());

    // The sequence number picks the row, whichever row the dialog was filled from.
    QVERIFY(EditAlignment(db.Store(), {"2", "2", "75.5", "300", "N1", "E1"}).Succeeded());
    QCOMPARE(db.Rows(AlignmentRows), QStringList({"1|Manual_Input_Data|0|0|0|10|20",
                                                  "2|Manual_Input_Data|2|75.5|300|N1|E1"}));

    // A number no row has changes nothing, and says so rather than succeed.
    QCOMPARE(EditAlignment(db.Store(), {"9", "3", "1", "1", "1", "1"}).status, Status::NoSuchRecord);
    QCOMPARE(db.Rows("select ID, LINETYPE from \"520SurLine\" order by rowid"), QStringList({"1|0", "2|2"}));
    QVERIFY(db.Reporter().Messages().isEmpty());

    // A chainage or sequence number that is no number stops the edit before anything is written.
    const Outcome chainage = EditAlignment(db.Store(), {"1", "3", "", "1", "1", "1"});
    QCOMPARE(chainage.status, Status::InvalidNumber);
    QCOMPARE(chainage.detail, EditTexts::StartDist);
    const Outcome sequence = EditAlignment(db.Store(), {"1; delete from CoorEdit", "3", "1", "1", "1", "1"});
    QCOMPARE(sequence.status, Status::InvalidNumber);
    QCOMPARE(sequence.detail, EditTexts::Sequence);
    QCOMPARE(AddElement(db, "0", "1,5").status, Status::InvalidNumber);
    QCOMPARE(db.Rows("select ID, LINETYPE, STARTDIST from \"520SurLine\" order by rowid"), QStringList({"1|0|0", "2|2|75.5"}));
}

void TestRecordEdit::alignmentFieldsGoInAsTyped()
{
    CTestDatabase db;
    QVERIFY(AddAlignment(db.Store(), {"77", "7", "12.5", "R=500", "north", ""}).Succeeded());
    QCOMPARE(db.Rows(AlignmentRows), QStringList({"1|Manual_Input_Data|7|12.5|R=500|north|"}));
    QVERIFY(EditAlignment(db.Store(), {"1", "-1", "13", "", "", "east"}).Succeeded());
    QCOMPARE(db.Rows(AlignmentRows), QStringList({"1|Manual_Input_Data|-1|13|||east"}));
}

void TestRecordEdit::alignmentListsByStartChainage()
{
    CTestDatabase db;
    QVERIFY(AddElement(db, "0", "100").Succeeded());
    QVERIFY(AddElement(db, "1", "20").Succeeded());
    QVERIFY(AddElement(db, "3", "1000").Succeeded());
    QVERIFY(AddElement(db, "2", "5").Succeeded());
    QStringList shown;
    for (const QStringList& row : ReadListRows(db.Store(), DataKind::Alignment))
        shown << row[0] + '@' + row[3];
    QCOMPARE(shown, QStringList({"4@5", "2@20", "1@100", "3@1000"}));
}

void TestRecordEdit::numbersAreReadAsSurveyorsTypeThem()
{
    QCOMPARE(ParseNumber("12"), std::optional<double>(12.0));
    QCOMPARE(ParseNumber("  -0.5 "), std::optional<double>(-0.5));
    QCOMPARE(ParseNumber(".25"), std::optional<double>(0.25));
    QCOMPARE(ParseNumber("7."), std::optional<double>(7.0));
    QCOMPARE(ParseNumber("1.5E2"), std::optional<double>(150.0));
    for (const char* text : {"", " ", "abc", "nan", "inf", "1,5", "1.2.3", "0x10", "12m", "--1", "1e", "1 2"})
        QVERIFY2(!ParseNumber(text), text);
    QCOMPARE(ParseWholeNumber(" 42 "), std::optional<qint64>(42));
    for (const char* text : {"", "4.0", "x", "1 or 1=1"})
        QVERIFY2(!ParseWholeNumber(text), text);
    QCOMPARE(FormatCoordinate(0.0005), QStringLiteral("0.001"));
    QCOMPARE(FormatCoordinate(3456789.1234), QStringLiteral("3456789.123"));
}

QTEST_GUILESS_MAIN(TestRecordEdit)
#include "tst_record_edit.moc"
