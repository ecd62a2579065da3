#include "core/link/serial_port.h"
#include "simulated_instrument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
int OpenDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size());
}

// A pseudo-terminal of the test's own, for tests that open and close the port more than once
// (the simulated instrument ends when the port is closed).
class CLine
{
public:
    CLine()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_path = QString::fromLocal8Bit(ptsname(m_master));
    }
    ~CLine()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    int Master() const { return m_master; }
    QString Path() const { return m_path; }

private:
    int m_master = -1;
    QString m_path;
};

// Bytes the line has queued for the port arrive a moment after the simulator wrote them.
void LetTheLineSettle()
{
    QThread::msleep(200);
}
} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT
private slots:
    void translationsGiveThePortValues();
    void portNumbersNameDevices();
    void openOfAnOpenPortKeepsItsSettings();
    void missingOrUnusablePortsLeaveNothingOpen();
    void aPortInUseIsRefusedUntilClosed();
    void readTakesOnlyWhatIsQueued();
    void writeSendsExactlyTheBytesGiven();
    void purgeDropsQueuedInput();
    void closeFromAnotherThreadNeverTouchesAReusedDescriptor();
};

void TestSerialPort::translationsGiveThePortValues()
{
    const unsigned rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(BaudRateFromIndex(i), rates[i]);
    QCOMPARE(BaudRateFromIndex(8), 9600u);
    QCOMPARE(BaudRateFromIndex(-1), 9600u);

    QCOMPARE(ByteSizeFromCode(0), std::uint8_t(8));
    QCOMPARE(ByteSizeFromCode(1), std::uint8_t(7));
    QCOMPARE(ByteSizeFromCode(2), std::uint8_t(8));
    QCOMPARE(ByteSizeFromCode(-1), std::uint8_t(8));

    QCOMPARE(DcbCodeFromIndex(0), std::uint8_t(0));
    QCOMPARE(DcbCodeFromIndex(1), std::uint8_t(1));
    QCOMPARE(DcbCodeFromIndex(2), std::uint8_t(2));
    QCOMPARE(DcbCodeFromIndex(3), std::uint8_t(0));
    QCOMPARE(DcbCodeFromIndex(-1), std::uint8_t(0));
}

void TestSerialPort::portNumbersNameDevices()
{
    qputenv("MERION_COM4", "/tmp/my-instrument");
    QCOMPARE(CSerialPort::DevicePathForPort(4), QStringLiteral("/tmp/my-instrument"));
    qunsetenv("MERION_COM4");
    if (!QFile::exists(QStringLiteral("/dev/ttyUSB3")))
        QCOMPARE(CSerialPort::DevicePathForPort(4), QStringLiteral("/dev/ttyS3"));
}

void TestSerialPort::openOfAnOpenPortKeepsItsSettings()
{
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartReceiving());
    qputenv("MERION_COM2", instrument.DevicePath().toLocal8Bit());

    CSerialPort port;
    // One and a half stop bits (code 1) do not exist here: the port opens with two.
    QVERIFY(port.Open(2, 2400, 7, 2, 1));
    qunsetenv("MERION_COM2");
    QVERIFY(port.IsOpen());
    QVERIFY(instrument.WaitForLine(QStringLiteral("framing: 2400 baud, 2 stop bits")));

    QVERIFY(port.Open(2, 115200, 8, 0, 0));
    QVERIFY(port.OpenDevice(instrument.DevicePath(), 115200, 8, 1, 0));
    // A line sent afterwards reaches the instrument after any change of framing would have.
    QCOMPARE(port.Write("P1\r\n", 4), 4);
    QVERIFY(instrument.WaitForLine(QStringLiteral("line 1: P1")));
    QCOMPARE(instrument.Lines().filter(QStringLiteral("framing:")).size(), 1);
}

void TestSerialPort::missingOrUnusablePortsLeaveNothingOpen()
{
    QTemporaryFile notATerminal;
    QVERIFY(notATerminal.open());
    const int before = OpenDescriptorCount();

    CSerialPort port;
    QVERIFY(!port.OpenDevice(QStringLiteral("/nonexistent/ttyX"), 9600, 8, 0, 0));
    qputenv("MERION_COM6", "/nonexistent/ttyX");
    QVERIFY(!port.Open(6, 9600, 8, 0, 0));
    qunsetenv("MERION_COM6");
    QVERIFY(!port.OpenDevice(notATerminal.fileName(), 9600, 8, 0, 0));
    QVERIFY(!port.OpenDevice(QString(), 9600, 8, 0, 0));

    QVERIFY(!port.IsOpen());
    QCOMPARE(OpenDescriptorCount(), before);
    char buffer[8];
    QCOMPARE(port.Read(buffer, 8), 0);
    QVERIFY(port.Close());
}

void TestSerialPort::aPortInUseIsRefusedUntilClosed()
{
    CLine line;
    QVERIFY(!line.Path().isEmpty());
    CSerialPort first;
    CSerialPort second;
    QVERIFY(first.OpenDevice(line.Path(), 9600, 8, 0, 0));
    const int before = OpenDescriptorCount();
    QVERIFY(!second.OpenDevice(line.Path(), 9600, 8, 0, 0));
    QCOMPARE(OpenDescriptorCount(), before);

    QVERIFY(first.Close());
    QVERIFY(first.Close()); // closing a closed port is harmless
    QVERIFY(!first.IsOpen());
    QVERIFY(second.OpenDevice(line.Path(), 9600, 8, 0, 0));
}

void TestSerialPort::readTakesOnlyWhatIsQueued()
{
    QByteArray job;
    for (int i = 0; i < 300; ++i)
        job += char('A' + i % 26);
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartSending(job, 0, {QStringLiteral("--no-eot"), QStringLiteral("--delay-ms"), QStringLiteral("300")}));

    CSerialPort port;
    QVERIFY(port.OpenDevice(instrument.DevicePath(), 9600, 8, 0, 0));
    char buffer[1001];
    // Nothing has come yet: the read gives 0 at once instead of waiting for the instrument.
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(port.Read(buffer, 127), 0);
    QVERIFY(timer.elapsed() < 100);

    QVERIFY(instrument.WaitForLine(QStringLiteral("sent")));
    LetTheLineSettle();
    QCOMPARE(port.Read(buffer, 127), 127);
    QCOMPARE(QByteArray(buffer, 127), job.left(127));
    QCOMPARE(port.Read(buffer, 1000), 173);
    QCOMPARE(QByteArray(buffer, 173), job.mid(127));
    QCOMPARE(port.Read(buffer, 1000), 0);
    QCOMPARE(port.Read(buffer, 0), 0);

    port.Close();
    QVERIFY(instrument.WaitForFinished());
    QCOMPARE(port.Read(buffer, 127), 0);
}

void TestSerialPort::writeSendsExactlyTheBytesGiven()
{
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartReceiving());
    CSerialPort closed;
    QCOMPARE(closed.Write("X", 1), 0);

    CSerialPort port;
    QVERIFY(port.OpenDevice(instrument.DevicePath(), 9600, 8, 0, 0));
    QCOMPARE(port.Write("lost", 0), 0);
    QCOMPARE(port.Write("lost", -4), 0);
    // DC1 and DC3 are data here, not flow control, and 0xB5 (GBK lead byte) passes unchanged.
    const QByteArray line("P1,\x11\x13\xb5\xe3\r\n\x04", 10);
    QCOMPARE(port.Write(line.constData(), int(line.size())), int(line.size()));
    QVERIFY(instrument.WaitForFinished());
    QCOMPARE(instrument.ExitCode(), 0);
    QCOMPARE(instrument.Received(), line);

    port.Close();
    QCOMPARE(port.Write("X", 1), 0);
}

void TestSerialPort::purgeDropsQueuedInput()
{
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartSending(QByteArray(50, 'x'), 0, {QStringLiteral("--no-eot")}));
    CSerialPort port;
    QVERIFY(port.OpenDevice(instrument.DevicePath(), 9600, 8, 0, 0));
    QVERIFY(instrument.WaitForLine(QStringLiteral("sent")));
    LetTheLineSettle();
    port.Purge();
    char buffer[64];
    QCOMPARE(port.Read(buffer, 64), 0);
    port.Close();
    port.Purge(); // on a closed port: nothing happens
}

// A worker keeps reading and writing while the port is closed under it again and again, and
// each time the freed descriptor number is taken at once by a file and a pipe. Whatever the
// worker does after the close must reach neither of them.
void TestSerialPort::closeFromAnotherThreadNeverTouchesAReusedDescriptor()
{
    CLine line;
    const QString path = line.Path();
    QVERIFY(!path.isEmpty());
    QTemporaryDir dir;

    CSerialPort port;
    std::atomic<bool> stop = false;
    std::thread drain([&] {
        char buffer[256];
        fcntl(line.Master(), F_SETFL, O_NONBLOCK);
        while (!stop)
            if (::read(line.Master(), buffer, sizeof buffer) <= 0)
                std::this_thread::yield();
    });
    std::thread writer([&] {
        while (!stop)
            port.WriteByte('w');
    });
    std::thread reader([&] {
        char buffer[16];
        while (!stop)
            port.Read(buffer, 16);
    });

    int strayWrites = 0;
    int strayReads = 0;
    for (int round = 0; round < 200; ++round)
    {
        QVERIFY(port.OpenDevice(path, 9600, 8, 0, 0));
        QVERIFY(::write(line.Master(), "m", 1) == 1); // something for the reader
        QThread::usleep(500);
        QVERIFY(port.Close());

        int pipeEnds[2];
        QVERIFY(pipe(pipeEnds) == 0);
        QVERIFY(::write(pipeEnds[1], "keep", 4) == 4);
        const QByteArray filePath = QFile::encodeName(dir.filePath(QString::number(round)));
        const int file = ::open(filePath.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        QVERIFY(file >= 0);
        QThread::usleep(500);

        struct stat status{};
        fstat(file, &status);
        strayWrites += status.st_size > 0;
        int left = 0;
        ioctl(pipeEnds[0], FIONREAD, &left);
        strayReads += left != 4;
        ::close(file);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
    }
    stop = true;
    writer.join();
    reader.join();
    drain.join();
    QCOMPARE(strayWrites, 0);
    QCOMPARE(strayReads, 0);
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serial_port.moc"
