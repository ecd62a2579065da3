#include "gui/link/transfer_runner.h"

#include "core/link/serial_port.h"

#include <QElapsedTimer>
#include <QThread>

namespace
{
constexpr int ProgressIntervalMs = 100; // the window needs no more than ten updates a second
}

CTransferRunner::CTransferRunner(QObject* parent) : QObject(parent)
{
}

CTransferRunner::~CTransferRunner()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
}

void CTransferRunner::Start(Job job)
{
    m_thread = QThread::create([this, job = std::move(job)] {
        CSerialPort port;
        QElapsedTimer sinceLast;
        sinceLast.start();
        const ProgressSink progress = [this, &sinceLast](const TransferProgress& now) {
            if (sinceLast.elapsed() < ProgressIntervalMs && now.lines != now.total)
                return;
            sinceLast.restart();
            emit Progressed(now);
        };
        const TransferResult result = job(port, m_stop, progress);
        port.Close();
        emit Finished(result);
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        deleteLater();
    });
    m_thread->start();
}

void CTransferRunner::Cancel()
{
    m_stop = true;
}
