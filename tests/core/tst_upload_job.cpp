#include "core/link/serial_port.h"
#include "core/upload/upload_lines.h"
#include "core/upload/upload_transfer.h"
#include "core/views/data_kind.h"
#include "words/result_words.h"
#include "scripted_stream.h"
#include "simulated_instrument.h"
#include "test_database.h"

#include <QElapsedTimer>
#include <QTest>

namespace
{
const QByteArray Eot("\x04");
const QByteArray Dc1("\x11");
const QByteArray Dc3("\x13");

UploadRequest RequestFor(DataKind kind, int category = UploadCategory::Coordinates, const QString& device = {})
{
    UploadRequest request;
    request.kind = kind;
    request.category = category;
    request.devicePath = device;
    return request;
}

QList<QByteArray> PacedLines(int count)
{
    QList<QByteArray> lines;
    for (int i = 1; i <= count; ++i)
        lines << PacedPointLine(QStringLiteral("P%1").arg(i), i + 0.5, 2, 3);
    return lines;
}

QList<QByteArray> HandshakeLines(int count)
{
    QList<QByteArray> lines;
    for (int i = 1; i <= count; ++i)
        lines << HandshakePointLine(QStringLiteral("P%1").arg(i), i + 0.5, 2, 3, QStringLiteral("C%1").arg(i));
    return lines;
}

// An instrument that says ready at once and accepts every line 30 ms after it came, except
// that it stops the transfer (DC3) after line `stopAfter`.
void AcceptEveryLine(CScriptedStream& line, int stopAfter = 0)
{
    line.SendAt(0, Dc1);
    auto count = std::make_shared<int>(0);
    line.AnswerEachLine([count, stopAfter](CScriptedStream& stream, const QByteArray&) {
        stream.SendAt(stream.Now() + 30, ++*count == stopAfter ? Dc3 : Dc1);
    });
}

TransferResult Send(CScriptedStream& line, DataKind kind, const QList<QByteArray>& lines, std::atomic<bool>* stop = nullptr,
                    QList<TransferProgress>* progress = nullptr)
{
    std::atomic<bool> never{false};
    TransferResult result = SendUpload(line, RequestFor(kind), lines, stop ? *stop : never,
                                       [progress](const TransferProgress& now) {
                                           if (progress)
                                               progress->append(now);
                                       });
    if (line.IsOpen())
        QTest::qFail("the port stayed open", __FILE__, __LINE__);
    return result;
}
} // namespace

// Both upload protocols on a scripted line whose clock costs no time, and a few uploads to the
// simulated instrument on a pseudo-terminal.
class TestUploadJob : public QObject
{
    Q_OBJECT

private slots:
    void pacedUploadSendsLinesOneTenthOfASecondApartThenEot()
    {
        CScriptedStream line;
        QList<TransferProgress> progress;
        const TransferResult result = Send(line, DataKind::UploadT5, PacedLines(2), nullptr, &progress);
        QCOMPARE(result.status, Status::Done);
        QCOMPARE(MessageOf(result).text, QStringLiteral("Upload Complete!"));
        QCOMPARE(line.Written(), QByteArray("P1,1.500000,2.000000,3.000000\r\nP2,2.500000,2.000000,3.000000\r\n\x04"));
        // Two pauses of 100 ms, then the EOT gets 20 ms on the wire before the purge.
        QCOMPARE(line.Events(), (QStringList{"open@0", "purge@220", "close@220"}));
        QCOMPARE(progress.size(), 2);
        QCOMPARE(progress[1].lines, 2);
        QCOMPARE(progress[1].total, 2);
        QCOMPARE(result.linesSent, 2);
    }

    void pacedUploadOfNothingSendsOnlyEot()
    {
        CScriptedStream line;
        QCOMPARE(Send(line, DataKind::UploadT5, {}).status, Status::Done);
        QCOMPARE(line.Written(), Eot);
    }

    void pacedUploadWaitsOutABusyInstrumentsDc3()
    {
        CScriptedStream line;
        line.SendAt(50, Dc3);
        QCOMPARE(Send(line, DataKind::UploadT5, PacedLines(1)).status, Status::Done);
        QCOMPARE(line.Written(), PacedLines(1).first() + Eot);
        // The DC3 seen after the line's pause costs 200 ms and a purge before the EOT.
        QCOMPARE(line.Events(), (QStringList{"open@0", "purge@300", "purge@320", "close@320"}));
    }

    void handshakeSendsEveryLineTheInstrumentAccepts()
    {
        CScriptedStream line;
        AcceptEveryLine(line);
        const TransferResult result = Send(line, DataKind::UploadV2, HandshakeLines(3));
        QCOMPARE(result.status, Status::Done);
        QCOMPARE(line.Written(), HandshakeLines(3).join() + Eot);
    }

    void handshakeStopsWhenTheInstrumentSaysDc3()
    {
        CScriptedStream line;
        AcceptEveryLine(line, 2);
        const TransferResult result = Send(line, DataKind::UploadV2, HandshakeLines(4));
        QCOMPARE(result.status, Status::StoppedByInstrument);
        QCOMPARE(MessageOf(result).text, QStringLiteral("Upload Timeout!"));
        QCOMPARE(line.Written(), HandshakeLines(2).join() + Eot);
    }

    void handshakeGivesUpOnASilentInstrument()
    {
        // Nobody says ready: after 401 polls of 10 ms, nothing went out, not even EOT.
        CScriptedStream silent;
        TransferResult result = Send(silent, DataKind::UploadV2, HandshakeLines(2));
        QCOMPARE(result.status, Status::TimedOut);
        QCOMPARE(MessageOf(result).text, QStringLiteral("Wait Timeout"));
        QCOMPARE(silent.Written(), QByteArray());
        QCOMPARE(silent.Events().last(), QStringLiteral("close@4010"));

        // Ready once, then no answer to the first line: the rest stays unsent.
        CScriptedStream once;
        once.SendAt(0, Dc1);
        result = Send(once, DataKind::UploadV2, HandshakeLines(2));
        QCOMPARE(result.status, Status::TimedOut);
        QCOMPARE(once.Written(), HandshakeLines(1).first());
    }

    void staleAnswersDoNotAcceptTheNextLine()
    {
        // Two DC1 at the start: the second one must not pass for the answer to line 1.
        CScriptedStream line;
        line.SendAt(0, Dc1 + Dc1);
        const TransferResult result = Send(line, DataKind::UploadV2, HandshakeLines(2));
        QCOMPARE(result.status, Status::TimedOut);
        QCOMPARE(line.Written(), HandshakeLines(1).first());
    }

    void cancelSendsEotAndClosesWithinOnePoll()
    {
        CScriptedStream paced;
        std::atomic<bool> stop{false};
        paced.RaiseAt(250, &stop);
        TransferResult result = Send(paced, DataKind::UploadT5, PacedLines(30), &stop);
        QCOMPARE(result.status, Status::Cancelled);
        QCOMPARE(MessageOf(result).text, QString());
        QCOMPARE(paced.Written(), PacedLines(3).join() + Eot);
        QCOMPARE(paced.Events(), (QStringList{"open@0", "purge@270", "close@270"}));

        // Waiting for an instrument that never answers.
        CScriptedStream silent;
        std::atomic<bool> stopWaiting{false};
        silent.RaiseAt(100, &stopWaiting);
        result = Send(silent, DataKind::UploadV2, HandshakeLines(3), &stopWaiting);
        QCOMPARE(result.status, Status::Cancelled);
        QCOMPARE(silent.Written(), Eot);
        QCOMPARE(silent.Events().last(), QStringLiteral("close@120"));
    }

    void aHangUpStopsTheUploadAndSaysHowFarItGot()
    {
        CScriptedStream paced;
        paced.HangUpAt(150);
        TransferResult result = Send(paced, DataKind::UploadT5, PacedLines(100));
        QCOMPARE(result.status, Status::HungUp);
        QCOMPARE(MessageOf(result).text, QStringLiteral("Upload Interrupted! 2 of 100 lines sent."));
        QCOMPARE(MessageOf(result).icon, MessageIcon::Exclamation);
        // Nothing more goes out: no further line, no EOT; noticed at the next line, 200 ms in.
        QCOMPARE(paced.Written(), PacedLines(2).join());
        QCOMPARE(paced.Events().last(), QStringLiteral("close@200"));

        // While waiting for the instrument's answer: noticed at the next poll.
        CScriptedStream handshake;
        handshake.SendAt(0, Dc1);
        handshake.HangUpAt(55);
        result = Send(handshake, DataKind::UploadV2, HandshakeLines(3));
        QCOMPARE(result.status, Status::HungUp);
        QCOMPARE(result.linesSent, 1);
        QCOMPARE(handshake.Events().last(), QStringLiteral("close@60"));
    }

    void aPortThatWillNotOpenIsNamed()
    {
        CScriptedStream line;
        line.RefuseOpen({2, "No such file or directory", false});
        UploadRequest request = RequestFor(DataKind::UploadT5);
        request.config.comPort = 7;
        std::atomic<bool> stop{false};
        const TransferResult result = SendUpload(line, request, PacedLines(1), stop);
        QCOMPARE(result.status, Status::PortNotOpened);
        QCOMPARE(MessageOf(result).text, QStringLiteral("COM7 doesn't exist or be\nopened by another program!"));
        QCOMPARE(MessageOf(result).icon, MessageIcon::Exclamation);
        QCOMPARE(line.Written(), QByteArray());
    }

    void alignmentGoesOutByAscendingChainage()
    {
        CTestDatabase db;
        db.Run({"insert into \"520SurLine\" values(1,'a','3','250','','110','210')",
                "insert into \"520SurLine\" values(2,'a','0','0','','100','200')",
                "insert into \"520SurLine\" values(3,'a','1','50','300','105','205')"});
        const UploadLines lines = BuildUploadLines(db.Store(), DataKind::UploadV2, UploadCategory::Alignment);
        CScriptedStream line;
        AcceptEveryLine(line);
        std::atomic<bool> stop{false};
        const TransferResult result =
            SendUpload(line, RequestFor(DataKind::UploadV2, UploadCategory::Alignment), lines.lines, stop);
        QCOMPARE(result.status, Status::Done);
        QCOMPARE(line.Written(), QByteArray("0,0,,100,200,\r\n1,50,300,105,205,\r\n3,250,,110,210,\r\n\x04"));
    }

    // End to end on a pseudo-terminal.
    void handshakeWithTheSimulatedInstrument()
    {
        SKIP_WITHOUT_SIMULATED_INSTRUMENT();
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--initial-dc1", "--dc1-each"}));
        CSerialPort port;
        std::atomic<bool> stop{false};
        const TransferResult result =
            SendUpload(port, RequestFor(DataKind::UploadV2, 0, instrument.DevicePath()), HandshakeLines(3), stop);
        QCOMPARE(result.status, Status::Done);
        QVERIFY(!port.IsOpen());
        QVERIFY(instrument.WaitForFinished());
        QCOMPARE(instrument.Received(), HandshakeLines(3).join() + Eot);
    }

    void theSimulatedInstrumentVanishingMidUpload()
    {
        SKIP_WITHOUT_SIMULATED_INSTRUMENT();
        CSimulatedInstrument instrument;
        QVERIFY(instrument.StartReceiving({"--hang-up-after-lines", "2"}));
        CSerialPort port;
        std::atomic<bool> stop{false};
        QElapsedTimer clock;
        clock.start();
        const TransferResult result =
            SendUpload(port, RequestFor(DataKind::UploadT5, 0, instrument.DevicePath()), PacedLines(100), stop);
        QCOMPARE(result.status, Status::HungUp);
        QVERIFY(clock.elapsed() < 2000);
        // The line the instrument hung up on may or may not have reached the port whole.
        QVERIFY(result.linesSent >= 2 && result.linesSent <= 3);
        QCOMPARE(MessageOf(result).text, QStringLiteral("Upload Interrupted! %1 of 100 lines sent.").arg(result.linesSent));
    }
};

QTEST_GUILESS_MAIN(TestUploadJob)
#include "tst_upload_job.moc"
