#include "core/link/com_config.h"
#include "core/link/serial_port.h"
#include "simulated_instrument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <memory>

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

bool Open(CSerialPort& port, const QString& path, unsigned baud = 9600, std::uint8_t size = 8, std::uint8_t parity = 0,
          std::uint8_t stop = 0)
{
    return !port.Open(QFile::encodeName(path).toStdString(), {baud, size, parity, stop}).IsError();
}

int Read(CSerialPort& port, char* buffer, int maximum)
{
    return int(port.Read(buffer, std::size_t(maximum)).count);
}

// Bytes the other end wrote reach the port's input a moment later: waits until `count` of them
// are queued there, for the port's own descriptor (found among this process's open files).
bool WaitUntilQueued(const QString& device, int count)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000)
    {
        const QFileInfoList open = QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files | QDir::System);
        for (const QFileInfo& descriptor : open)
        {
            if (descriptor.symLinkTarget() != target)
                continue;
            int queued = 0;
            if (::ioctl(descriptor.fileName().toInt(), FIONREAD, &queued) == 0 && queued >= count)
                return true;
        }
        QThread::usleep(200); // a poll, not a guess at how long the line takes
    }
    return false;
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
    void purgeAndCloseLetWrittenBytesArrive();
    void aVanishedLineIsAnErrorNotSilence();
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
    QCOMPARE(DevicePathForPort(4), QStringLiteral("/tmp/my-instrument"));
    qunsetenv("MERION_COM4");
    if (!QFile::exists(QStringLiteral("/dev/ttyUSB3")))
        QCOMPARE(DevicePathForPort(4), QStringLiteral("/dev/ttyS3"));
}

void TestSerialPort::openOfAnOpenPortKeepsItsSettings()
{
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartReceiving());
    qputenv("MERION_COM2", instrument.DevicePath().toLocal8Bit());

    CSerialPort port;
    // One and a half stop bits (code 1) do not exist here: the port opens with two.
    QVERIFY(Open(port, DevicePathForPort(2), 2400, 7, 2, 1));
    qunsetenv("MERION_COM2");
    QVERIFY(port.IsOpen());
    QVERIFY(instrument.WaitForLine(QStringLiteral("framing: 2400 baud, 2 stop bits")));

    QVERIFY(Open(port, instrument.DevicePath(), 115200, 8, 1, 0));
    // A line sent afterwards reaches the instrument after any change of framing would have.
    QVERIFY(!port.Write("P1\r\n", 4).IsError());
    QVERIFY(instrument.WaitForLine(QStringLiteral("line 1: P1")));
    QCOMPARE(instrument.Lines().filter(QStringLiteral("framing:")).size(), 1);
}

void TestSerialPort::missingOrUnusablePortsLeaveNothingOpen()
{
    QTemporaryFile notATerminal;
    QVERIFY(notATerminal.open());
    const int before = OpenDescriptorCount();

    CSerialPort port;
    // The system's own code and words come back.
    const StreamError missing = port.Open("/nonexistent/ttyX", {});
    QCOMPARE(missing.code, ENOENT);
    QCOMPARE(QString::fromStdString(missing.text), QStringLiteral("No such file or directory"));
    QVERIFY(!Open(port, notATerminal.fileName()));
    QVERIFY(!Open(port, QString()));

    QVERIFY(!port.IsOpen());
    QCOMPARE(OpenDescriptorCount(), before);
    char buffer[8];
    QCOMPARE(Read(port, buffer, 8), 0);
    QVERIFY(port.Read(buffer, 8).error.IsError());
    port.Close();
}

void TestSerialPort::aPortInUseIsRefusedUntilClosed()
{
    CLine line;
    QVERIFY(!line.Path().isEmpty());
    CSerialPort first;
    CSerialPort second;
    QVERIFY(Open(first, line.Path()));
    const int before = OpenDescriptorCount();
    QVERIFY(!Open(second, line.Path()));
    QCOMPARE(OpenDescriptorCount(), before);

    first.Close();
    first.Close(); // closing a closed port is harmless
    QVERIFY(!first.IsOpen());
    QVERIFY(Open(second, line.Path()));
}

void TestSerialPort::readTakesOnlyWhatIsQueued()
{
    QByteArray job;
    for (int i = 0; i < 300; ++i)
        job += char('A' + i % 26);
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartSending(job, 0, {QStringLiteral("--no-eot"), QStringLiteral("--delay-ms"), QStringLiteral("300")}));

    CSerialPort port;
    QVERIFY(Open(port, instrument.DevicePath()));
    char buffer[1001];
    // Nothing has come yet: the read gives 0 at once instead of waiting for the instrument.
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(Read(port, buffer, 127), 0);
    QVERIFY(timer.elapsed() < 100);

    QVERIFY(instrument.WaitForLine(QStringLiteral("sent")));
    QVERIFY(WaitUntilQueued(instrument.DevicePath(), 300));
    QCOMPARE(Read(port, buffer, 127), 127);
    QCOMPARE(QByteArray(buffer, 127), job.left(127));
    QCOMPARE(Read(port, buffer, 1000), 173);
    QCOMPARE(QByteArray(buffer, 173), job.mid(127));
    QCOMPARE(Read(port, buffer, 1000), 0);
    QCOMPARE(Read(port, buffer, 0), 0);

    port.Close();
    QVERIFY(instrument.WaitForFinished());
    QCOMPARE(Read(port, buffer, 127), 0);
}

void TestSerialPort::writeSendsExactlyTheBytesGiven()
{
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartReceiving());
    CSerialPort closed;
    QVERIFY(closed.Write("X", 1).IsError());

    CSerialPort port;
    QVERIFY(Open(port, instrument.DevicePath()));
    QVERIFY(!port.Write("lost", 0).IsError());
    // DC1 and DC3 are data here, not flow control, and 0xB5 (GBK lead byte) passes unchanged.
    const QByteArray line("P1,\x11\x13\xb5\xe3\r\n\x04", 10);
    QVERIFY(!port.Write(line.constData(), std::size_t(line.size())).IsError());
    QVERIFY(instrument.WaitForFinished());
    QCOMPARE(instrument.ExitCode(), 0);
    QCOMPARE(instrument.Received(), line);

    port.Close();
    QVERIFY(port.Write("X", 1).IsError());
}

void TestSerialPort::purgeDropsQueuedInput()
{
    CSimulatedInstrument instrument;
    QVERIFY(instrument.StartSending(QByteArray(50, 'x'), 0, {QStringLiteral("--no-eot")}));
    CSerialPort port;
    QVERIFY(Open(port, instrument.DevicePath()));
    QVERIFY(instrument.WaitForLine(QStringLiteral("sent")));
    QVERIFY(WaitUntilQueued(instrument.DevicePath(), 50));
    port.Purge();
    char buffer[64];
    QCOMPARE(Read(port, buffer, 64), 0);
    port.Close();
    port.Purge(); // on a closed port: nothing happens
}

// An instrument that reads slowly (here: not at all until the port is closed) still gets
// every byte written before the closing purge, the final EOT above all.
void TestSerialPort::purgeAndCloseLetWrittenBytesArrive()
{
    CLine line;
    CSerialPort port;
    QVERIFY(Open(port, line.Path(), 115200));
    QByteArray sent;
    for (int i = 1; i <= 40; ++i)
        sent += QStringLiteral("P%1,3456789.100,512345.200,100.300,\r\n").arg(i).toLatin1();
    sent += '\x04';
    QVERIFY(!port.Write(sent.constData(), std::size_t(sent.size())).IsError());
    port.Purge();
    port.Close();

    QByteArray arrived;
    char buffer[4096];
    const int flags = fcntl(line.Master(), F_GETFL);
    QVERIFY(fcntl(line.Master(), F_SETFL, flags | O_NONBLOCK) == 0);
    for (ssize_t count; (count = ::read(line.Master(), buffer, sizeof buffer)) > 0;)
        arrived.append(buffer, qsizetype(count));
    QCOMPARE(arrived.size(), sent.size());
    QCOMPARE(arrived, sent);
}

// The other end of the line goes away (a pseudo-terminal's master closed, as a cable pulled):
// the port says so at the next read or write instead of giving silence.
void TestSerialPort::aVanishedLineIsAnErrorNotSilence()
{
    auto line = std::make_unique<CLine>();
    const QString path = line->Path();
    CSerialPort port;
    QVERIFY(Open(port, path));
    char buffer[16];
    QVERIFY(!port.Read(buffer, sizeof buffer).error.IsError());
    QVERIFY(::write(line->Master(), "ab", 2) == 2);
    QVERIFY(WaitUntilQueued(path, 2));
    line.reset();

    const StreamRead read = port.Read(buffer, sizeof buffer);
    QVERIFY(read.count == 2 || read.error.hungUp);
    const StreamRead after = port.Read(buffer, sizeof buffer);
    QVERIFY(after.error.hungUp);
    QCOMPARE(after.error.code, EIO);
    QVERIFY(!after.error.text.empty());
    const StreamError written = port.Write("x", 1);
    QVERIFY(written.hungUp);
    port.Close();
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serial_port.moc"
