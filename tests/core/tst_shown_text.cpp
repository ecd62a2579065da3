#include "core/report/shown_text.h"

#include <QTest>

// With no translation installed a text is its own source, so the filling can be checked against
// texts written here. Qt's own rules: %n is the count in decimal, %1 … %99 are filled lowest
// number first whatever their order in the text.
class TestShownText : public QObject
{
    Q_OBJECT

private slots:
    void argFillsThePlacesInOrder()
    {
        const ShownText text = "Point %1 has no %2.";
        QCOMPARE(text.Arg(QStringLiteral("P1"), QStringLiteral("height")), QStringLiteral("Point P1 has no height."));
        // A translation may name the places in another order: %1 still takes the first argument.
        const ShownText turned = "%2 of %1";
        QCOMPARE(turned.Arg(QStringLiteral("A"), QStringLiteral("B")), QStringLiteral("B of A"));
    }

    void argFillsInOnePass()
    {
        // A point named "%2" must be shown as named. Filled in turn, the name's "%2" would take
        // the second argument and the text's own %2 would stay: "x and %2". In one pass the name
        // stays as it is and the second place takes the second argument.
        const ShownText text = "%1 and %2";
        QCOMPARE(text.Arg(QStringLiteral("%2"), QStringLiteral("x")), QStringLiteral("%2 and x"));
    }

    void argWritesWholeNumbersInPlainDigits()
    {
        // No grouping and no locale: 1234567890123 stays thirteen digits, a negative keeps its sign.
        const ShownText text = "%1 bytes, %2 lines, row %3";
        QCOMPARE(text.Arg(qint64(1234567890123), -5, QStringLiteral("7")),
                 QStringLiteral("1234567890123 bytes, -5 lines, row 7"));
    }

    void countedNamesTheCount()
    {
        const ShownText text = "%n points were left out";
        QCOMPARE(text.Counted(3), QStringLiteral("3 points were left out"));
        QCOMPARE(text.Counted(0), QStringLiteral("0 points were left out"));
        QCOMPARE(text.Counted(12000), QStringLiteral("12000 points were left out"));
    }

    void aTextWithoutPlacesIsItsSource()
    {
        static constexpr const char* source = "Upload Complete!";
        constexpr ShownText text = source;
        static_assert(text.Source() == source);
        QCOMPARE(text.Text(), QStringLiteral("Upload Complete!"));
        QCOMPARE(QString(text), QStringLiteral("Upload Complete!"));
        const ShownText choices[] = {"(1) ','", "(2) 'Space'"};
        QCOMPARE(ShownTexts(choices), (QStringList{QStringLiteral("(1) ','"), QStringLiteral("(2) 'Space'")}));
    }
};

QTEST_GUILESS_MAIN(TestShownText)
#include "tst_shown_text.moc"
