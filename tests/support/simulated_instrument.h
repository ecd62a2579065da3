#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs merion-sim, the simulated total station on a pseudo-terminal, for a test. Typical use:
//
//   CSimulatedInstrument instrument;
//   QVERIFY(instrument.StartSending(jobFile, 9600, {"--nul-at", "5"}));
//   ... open instrument.DevicePath() (or set MERION_COM1 to it) and download ...
//   QVERIFY(instrument.WaitForFinished());
//
//   QVERIFY(instrument.StartReceiving({"--initial-dc1", "--dc1-each"}));
//   ... upload to instrument.DevicePath() ...
//   QVERIFY(instrument.WaitForFinished());
//   QCOMPARE(instrument.Received(), QByteArray("P1,1.000,2.000,3.000,\r\n\x04"));
//
// Sending: --baud N (0: unpaced), --leading-eot, --nul-at K (repeatable), --pause-after K
// --pause-ms M, --no-eot, --delay-ms D, --linger-ms L. Receiving: --initial-dc1, --dc1-each,
// --dc3-after K, --silent, --timeout-ms T. Both: --wait-ms W. `merion-sim --help` says more.
// The simulator starts sending (or listening) only once the port has been opened in raw
// mode, and a sender stays until the port is closed again, so nothing sent is lost.
class CSimulatedInstrument
{
public:
    // Whether this build has the simulator: a Windows build has none (no pseudo-terminals) and
    // proves its serial port through Wine's COM mapping against the Linux one instead.
    static bool Available() { return sizeof(MERION_SIM_PATH) > 1; }

    CSimulatedInstrument();
    ~CSimulatedInstrument(); // stops a simulator that is still running

    // Starts merion-sim with exactly these words and waits for the port's path.
    bool Start(const QStringList& arguments);
    bool StartSending(const QString& file, int baud, const QStringList& more = {});
    bool StartSending(const QByteArray& bytes, int baud, const QStringList& more = {}); // via a file of its own
    bool StartReceiving(const QStringList& more = {}); // records into a file of its own

    QString DevicePath() const { return m_devicePath; }

    // Waits for a progress line that begins with `prefix` ("port opened", "sent", "line 2", "EOT"...).
    bool WaitForLine(const QString& prefix, int timeoutMs = 10000);
    bool WaitForFinished(int timeoutMs = 30000);
    int ExitCode() const { return m_process.exitCode(); }
    QStringList Lines() const { return m_lines; } // progress lines so far, path excluded

    QByteArray Received() const; // what a receiving simulator recorded, byte for byte

private:
    void TakeLines();

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_devicePath;
    QString m_outPath;
    QByteArray m_pending;
    QStringList m_lines;
};

// Skips the rest of a test in a build without the simulator.
#define SKIP_WITHOUT_SIMULATED_INSTRUMENT()                                                        \
    do                                                                                             \
    {                                                                                              \
        if (!CSimulatedInstrument::Available())                                                    \
            QSKIP("this build has no simulated instrument");                                       \
    } while (false)
