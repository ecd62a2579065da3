#include "core/link/transfer.h"
#include "core/report/outcome.h"
#include "words/result_words.h"

#include <QTest>

// The words each outcome gives the user: the refusals of imports, exports and edits, the notes
// of finished work, and what a transfer says in its own words or shares with the rest.
class TestOutcome : public QObject
{
    Q_OBJECT

private slots:
    void refusalsAreWarnings_data()
    {
        QTest::addColumn<Status>("status");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("text");
        QTest::newRow("file to read") << Status::FileNotReadable << QString() << "Open file failed!";
        QTest::newRow("file to write") << Status::FileNotWritable << QString() << "Open file failed!";
        QTest::newRow("folder") << Status::PathNotCreated << QString() << "Can not create a file path!";
        QTest::newRow("binary file") << Status::NotText << QString()
                                     << "The file is not a text file (it holds binary data): nothing was imported, "
                                        "the old rows are kept.";
        QTest::newRow("no record") << Status::NoRecords << QString()
                                   << "No line of the file gives a record: nothing was imported, the old rows are kept.";
        QTest::newRow("image type") << Status::UnknownImageType << QString() << "Unknown image type: use .png, .svg or .pdf";
        QTest::newRow("empty name") << Status::EmptyName << QString() << "PT Name Can't Be Null!";
        QTest::newRow("name taken") << Status::NameExists << QString() << "PT Name Already Exists,Please Rename!";
        QTest::newRow("number") << Status::InvalidNumber << QStringLiteral("半径") << "半径 Must Be A Number!";
        QTest::newRow("row") << Status::BadRow << QStringLiteral("row 3 is too long") << "row 3 is too long";
        QTest::newRow("port busy") << Status::PortBusy << QString() << "The serial port is busy with another transfer!";
    }

    void refusalsAreWarnings()
    {
        QFETCH(Status, status);
        QFETCH(QString, detail);
        QFETCH(QString, text);
        const UserMessage message = MessageOf(Outcome{status, detail});
        QCOMPARE(message.text, text);
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QVERIFY(!Outcome(status, detail).Succeeded());
    }

    void silentOutcomes()
    {
        // The store has said why, the user said no, or there is nothing to say.
        for (const Status status : {Status::DatabaseError, Status::Cancelled, Status::NothingToDo})
        {
            QCOMPARE(MessageOf(Outcome{status}).text, QString());
            QVERIFY(!Outcome(status).Succeeded());
        }
        QVERIFY(Outcome().Succeeded());
        QCOMPARE(MessageOf(Outcome()).text, QString());
    }

    void finishedWorkTellsItsNote()
    {
        const UserMessage done = MessageOf(Outcome::DoneSaying(QStringLiteral("Export Success!")));
        QCOMPARE(done.text, QStringLiteral("Export Success!"));
        QCOMPARE(done.icon, MessageIcon::Information);
        // A job cut to what the instrument holds is written, says so, and still fails.
        const Outcome full{Status::MemoryFull, QStringLiteral("Success!")};
        QCOMPARE(MessageOf(full).text, QStringLiteral("Success!"));
        QCOMPARE(MessageOf(full).icon, MessageIcon::Information);
        QVERIFY(!full.Succeeded());
    }

    void transfersWordTheirOwnAndShareTheRest()
    {
        TransferResult download;
        download.status = Status::NoRecords;
        QCOMPARE(MessageOf(download).text,
                 QStringLiteral("The received data holds no record.\nThe stored data is unchanged."));
        download.status = Status::Done;
        QCOMPARE(MessageOf(download).text, QString());
        download.status = Status::FileNotWritable;
        QCOMPARE(MessageOf(download).text, QStringLiteral("Open file failed!"));
        QCOMPARE(MessageOf(download).icon, MessageIcon::Exclamation);

        TransferResult upload;
        upload.direction = TransferResult::Direction::Upload;
        QCOMPARE(MessageOf(upload).text, QStringLiteral("Upload Complete!"));
        upload.status = Status::StoppedByInstrument;
        QCOMPARE(MessageOf(upload).text, QStringLiteral("Upload Timeout!"));
        QCOMPARE(MessageOf(upload).icon, MessageIcon::None);
        upload.status = Status::BadRow;
        upload.detail = QStringLiteral("P7 has no north");
        QCOMPARE(MessageOf(upload).text, QStringLiteral("P7 has no north"));
        upload.status = Status::DatabaseError;
        QCOMPARE(MessageOf(upload).text, QString());
    }

    void timeOutsAreWordedByTheWaitThatRanOut()
    {
        // A download that never heard the instrument, one that stopped hearing data, and an upload
        // whose instrument never said it was ready: the same status, three waits.
        TransferResult download;
        download.status = Status::TimedOut;
        download.silence = Silence::Connection;
        QCOMPARE(MessageOf(download).text, QStringLiteral("Connect Timeout!"));
        download.silence = Silence::Data;
        QCOMPARE(MessageOf(download).text, QStringLiteral("Wait Timeout"));
        QCOMPARE(MessageOf(download).icon, MessageIcon::None);
        TransferResult upload;
        upload.direction = TransferResult::Direction::Upload;
        upload.status = Status::TimedOut;
        QCOMPARE(MessageOf(upload).text, QStringLiteral("Wait Timeout"));
    }
};

QTEST_GUILESS_MAIN(TestOutcome)
#include "tst_outcome.moc"
