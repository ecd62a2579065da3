#include "simulated_instrument.h"

#include <QDeadlineTimer>
#include <QFile>

CSimulatedInstrument::CSimulatedInstrument()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

CSimulatedInstrument::~CSimulatedInstrument()
{
    if (m_process.state() != QProcess::NotRunning)
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool CSimulatedInstrument::Start(const QStringList& arguments)
{
    m_process.start(QStringLiteral(MERION_SIM_PATH), arguments);
    if (!m_process.waitForStarted(10000))
        return false;
    QDeadlineTimer deadline(10000);
    while (!m_process.canReadLine())
        if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return m_devicePath.startsWith(QLatin1Char('/'));
}

bool CSimulatedInstrument::StartSending(const QString& file, int baud, const QStringList& more)
{
    return Start(QStringList{QStringLiteral("send"), file, QStringLiteral("--baud"), QString::number(baud)} + more);
}

bool CSimulatedInstrument::StartSending(const QByteArray& bytes, int baud, const QStringList& more)
{
    const QString path = m_dir.filePath(QStringLiteral("send.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return StartSending(path, baud, more);
}

bool CSimulatedInstrument::StartReceiving(const QStringList& more)
{
    m_outPath = m_dir.filePath(QStringLiteral("received.bin"));
    return Start(QStringList{QStringLiteral("receive"), QStringLiteral("--out"), m_outPath} + more);
}

void CSimulatedInstrument::TakeLines()
{
    m_pending += m_process.readAllStandardOutput();
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\n')) >= 0)
    {
        m_lines << QString::fromLocal8Bit(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
}

bool CSimulatedInstrument::WaitForLine(const QString& prefix, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (qsizetype checked = 0;;)
    {
        TakeLines();
        for (; checked < m_lines.size(); ++checked)
            if (m_lines[checked].startsWith(prefix))
                return true;
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        m_process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 100)));
    }
}

bool CSimulatedInstrument::WaitForFinished(int timeoutMs)
{
    const bool finished = m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
    TakeLines();
    return finished;
}

QByteArray CSimulatedInstrument::Received() const
{
    QFile file(m_outPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
