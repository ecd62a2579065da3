#include "core/download/download_texts.h"
#include "core/download/receive_loop.h"
#include "core/views/data_kind.h"

#include <QTest>

#include <cstring>

// Plays a port: each poll hands out the next scripted chunk (or as much of it as asked for),
// then nothing.
class CScriptedPort : public IByteStream
{
public:
    explicit CScriptedPort(QList<QByteArray> chunks) : m_chunks(std::move(chunks)) {}

    StreamRead Read(char* buffer, std::size_t maximum) override
    {
        ++m_polls;
        m_largestAsk = qMax(m_largestAsk, int(maximum));
        if (m_chunks.isEmpty())
            return {};
        QByteArray& next = m_chunks.first();
        const std::size_t count = std::min(std::size_t(next.size()), maximum);
        std::memcpy(buffer, next.constData(), count);
        next.remove(0, qsizetype(count));
        if (next.isEmpty())
            m_chunks.removeFirst();
        return {count, {}};
    }
    StreamError Open(const std::string&, const LineFraming&) override { return {}; }
    bool IsOpen() const override { return true; }
    StreamError Write(const char*, std::size_t) override { return {}; }
    void Purge() override {}
    void Close() override {}
    void Sleep(int) override {}
    int Polls() const { return m_polls; }
    int LargestAsk() const { return m_largestAsk; }

private:
    QList<QByteArray> m_chunks;
    int m_polls = 0;
    int m_largestAsk = 0;
};

class TestReceiveLoop : public QObject
{
    Q_OBJECT

    // The measurement loop without its pauses, so that a long silence takes no time.
    static ReceiveLoop Fast(ReceiveLoop loop = MeasurementLoop())
    {
        loop.pauseMs = 0;
        return loop;
    }
    static ReceiveResult Run(CScriptedPort& port, const ReceiveLoop& loop = Fast())
    {
        std::atomic<bool> stop{false};
        return ReceiveUntilEot(port, loop, stop);
    }

private slots:
    void loopsOfTheDataKinds()
    {
        const ReceiveLoop meas = MeasurementLoop();
        QCOMPARE(meas.chunkSize, 1028);
        QCOMPARE(meas.pauseMs, 10);
        QCOMPARE(meas.silence, Silence::Data);
        const ReceiveLoop record = RecordLoop();
        QCOMPARE(record.chunkSize, 127);
        QCOMPARE(record.pauseMs, 5);
        QCOMPARE(record.silence, Silence::Connection);

        QCOMPARE(LoopForKind(DataKind::Meas)->chunkSize, 1028);
        for (DataKind kind : {DataKind::Coor, DataKind::V2Meas, DataKind::RoadStake, DataKind::XSect, DataKind::Alignment})
            QCOMPARE(LoopForKind(kind)->chunkSize, 127);
        QVERIFY(!LoopForKind(DataKind::Code));
        QVERIFY(!LoopForKind(DataKind::UploadT5));
    }

    void endsAtTheEndByte_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("bytes after the end byte are dropped") << QList<QByteArray>{"abc\r\n\x04xyz"} << QByteArray("abc\r\n");
        QTest::newRow("end byte in a later chunk")
            << QList<QByteArray>{"abc\r\n", "", "", "\x04xyz"} << QByteArray("abc\r\n");
        QTest::newRow("zero bytes are dropped, the rest kept")
            << QList<QByteArray>{QByteArray("ab\0cd\r\n", 7), QByteArray("\0\0ef\r\n\0\x04", 9)} << QByteArray("abcd\r\nef\r\n");
        QTest::newRow("a leading end byte is nothing")
            << QList<QByteArray>{"\x04", "", "abc\r\n", "\x04"} << QByteArray("abc\r\n");
        QTest::newRow("leading end bytes in the data's chunk")
            << QList<QByteArray>{"\x04\x04P1\r\n\x04P2\r\n"} << QByteArray("P1\r\n");
        QTest::newRow("eight-bit text passes unchanged")
            << QList<QByteArray>{"F,\xb2\xe2\xd5\xbe\r\n\x04"} << QByteArray("F,\xb2\xe2\xd5\xbe\r\n");
    }
    void endsAtTheEndByte()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QByteArray, expected);
        CScriptedPort port(chunks);
        const ReceiveResult result = Run(port);
        QCOMPARE(result.status, Status::Done);
        QCOMPARE(result.text, expected);
    }

    void asksForItsChunkSize()
    {
        CScriptedPort meas({QByteArray(3000, 'x') + "\x04"});
        QCOMPARE(Run(meas).text.size(), 3000);
        QCOMPARE(meas.LargestAsk(), 1028);
        QCOMPARE(meas.Polls(), 3);

        CScriptedPort record({QByteArray(300, 'x') + "\x04"});
        QCOMPARE(Run(record, Fast(RecordLoop())).text.size(), 300);
        QCOMPARE(record.LargestAsk(), 127);
        QCOMPARE(record.Polls(), 3);
    }

    void silenceEndsAfter801EmptyPolls()
    {
        CScriptedPort silent({});
        const ReceiveResult result = Run(silent);
        QCOMPARE(result.status, Status::TimedOut);
        QCOMPARE(silent.Polls(), 801);
        QVERIFY(result.text.isEmpty());
    }

    void silenceInTheMiddle()
    {
        // 800 empty polls after data are still within the limit; the 801st is not.
        QList<QByteArray> within{"A,P1\r\n"};
        for (int i = 0; i < 800; ++i)
            within << QByteArray();
        within << "A,P2\r\n\x04";
        CScriptedPort patient(within);
        QCOMPARE(Run(patient).text, QByteArray("A,P1\r\nA,P2\r\n"));

        within.insert(1, QByteArray());
        CScriptedPort tooLong(within);
        const ReceiveResult result = Run(tooLong);
        QCOMPARE(result.status, Status::TimedOut);
        // What came before the silence is kept for the copy in downloads/.
        QCOMPARE(result.text, QByteArray("A,P1\r\n"));
    }

    void zeroBytesAloneAreSilence()
    {
        QList<QByteArray> chunks;
        for (int i = 0; i < 801; ++i)
            chunks << QByteArray(1, '\0');
        CScriptedPort port(chunks);
        QCOMPARE(Run(port).status, Status::TimedOut);
        QCOMPARE(port.Polls(), 801);
    }

    void aLoneEndByteNeverCompletes()
    {
        CScriptedPort port({"\x04", "\x04", "\x04"});
        QCOMPARE(Run(port).status, Status::TimedOut);
    }

    void stopEndsTheLoop()
    {
        std::atomic<bool> stop{false};
        struct CStopping : CScriptedPort
        {
            std::atomic<bool>& stop;
            int polls = 0;
            CStopping(std::atomic<bool>& flag) : CScriptedPort({}), stop(flag) {}
            StreamRead Read(char* buffer, std::size_t) override
            {
                if (++polls == 3)
                    stop = true;
                buffer[0] = 'x';
                return {1, {}};
            }
        };
        CStopping port(stop);
        const ReceiveResult result = ReceiveUntilEot(port, MeasurementLoop(), stop);
        QCOMPARE(result.status, Status::Cancelled);
        QCOMPARE(result.text, QByteArray("xxx"));
        QCOMPARE(port.polls, 3);
    }

    void aHangUpEndsTheLoopAtOnce()
    {
        struct CVanishing : CScriptedPort
        {
            using CScriptedPort::CScriptedPort;
            StreamRead Read(char* buffer, std::size_t maximum) override
            {
                StreamRead read = CScriptedPort::Read(buffer, maximum);
                if (read.count == 0)
                    read.error = StreamError::HangUp(5, "Input/output error");
                return read;
            }
        };
        CVanishing port({"A,P1\r\n", "A,P"});
        const ReceiveResult result = Run(port);
        QCOMPARE(result.status, Status::HungUp);
        QCOMPARE(result.text, QByteArray("A,P1\r\nA,P"));
        QCOMPARE(port.Polls(), 3);
        QCOMPARE(result.error.code, 5);
    }
};

QTEST_GUILESS_MAIN(TestReceiveLoop)
#include "tst_receive_loop.moc"
