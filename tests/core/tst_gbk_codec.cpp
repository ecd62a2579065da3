#include "core/text/gbk_codec.h"
#include "core/files/gbk_text.h"
#include "core/files/text_lines.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// GBK both ways, checked against the code page's table: U+4E2D (zhong, "middle") is D6 D0,
// U+6587 (wen, "writing") is CE C4, U+56FD (guo, "country") is B9 FA; GB 2312 row/cell
// 54-48, 46-36 and 25-90, each plus A0. Hangul syllables are in no GBK table: U+D55C (han)
// has no bytes there.
class TestGbkCodec : public QObject
{
    Q_OBJECT

private slots:
    void convertsBothWays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("PT1,2.5") << QByteArray("PT1,2.5");
        QTest::newRow("two characters") << QString::fromUtf16(u"\u4E2D\u6587") << QByteArray("\xD6\xD0\xCE\xC4");
        QTest::newRow("mixed") << QString::fromUtf16(u"A\u56FD,1") << QByteArray("A\xB9\xFA,1");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void convertsBothWays()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QVERIFY(GbkAvailable());
        const CGbkCodec gbk;
        QCOMPARE(gbk.Encode(text), std::optional<QByteArray>(bytes));
        QCOMPARE(gbk.Decode(bytes), std::optional<QString>(text));
        QCOMPARE(ToGbk(text), std::optional<QByteArray>(bytes));
        QCOMPARE(FromGbk(bytes), std::optional<QString>(text));
        QCOMPARE(EncodeGbk(text), bytes);
        QCOMPARE(DecodeGbk(bytes), text);
    }

    void lackingAndBrokenCharactersAreMarked()
    {
        const CGbkCodec gbk;
        // A character GBK lacks is one '?', the rest of the text stays.
        QCOMPARE(EncodeGbk(u"A\uD55C\u4E2D"), QByteArray("A?\xD6\xD0"));
        QVERIFY(gbk.Holds(u"\u4E2D"));
        QVERIFY(!gbk.Holds(u"\uD55C"));
        // A lead byte with nothing after it: nothing of one decode waits for the next.
        QCOMPARE(gbk.Decode("\xD6\xD0\xCE"), std::optional<QString>(QString::fromUtf16(u"\u4E2D\uFFFD")));
        QCOMPARE(gbk.Decode("\xCE\xC4"), std::optional<QString>(QString::fromUtf16(u"\u6587")));
    }

    void filesKeepTheBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("points.txt"));
        CTextFileWriter writer(path);
        QVERIFY(writer.Open());
        writer.WriteLine(u"\u4E2D\u6587,1");
        writer.WriteUtf8Line(QString::fromUtf16(u"\u56FD").toUtf8());
        QVERIFY(writer.Commit().Succeeded());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xD6\xD0\xCE\xC4,1\r\n\xB9\xFA\r\n"));
    }

    void aCharacterAcrossTwoReadsIsOne()
    {
        // The reader takes the file 64 KiB at a time: the lead byte D6 is the last of the first
        // piece, its second byte D0 the first of the next.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray head(64 * 1024 - 1, 'x');
        file.write(head + "\xD6\xD0\r\n\xCE\xC4");
        file.close();
        CTextLineReader reader(path);
        QVERIFY(reader.Open());
        QByteArray line;
        QVERIFY(reader.Next(line));
        QCOMPARE(line, head + QString::fromUtf16(u"\u4E2D").toUtf8());
        QVERIFY(reader.Next(line));
        QCOMPARE(line, QString::fromUtf16(u"\u6587").toUtf8());
        QVERIFY(!reader.Next(line));
    }
};

QTEST_GUILESS_MAIN(TestGbkCodec)
#include "tst_gbk_codec.moc"
