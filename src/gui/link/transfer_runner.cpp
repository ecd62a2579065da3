#include "gui/link/transfer_runner.h"

#include "core/link/serial_port.h"
#include "gui/app/merion_app.h"

#include <QElapsedTimer>
#include <QThread>

namespace
{
constexpr int ProgressIntervalMs = 50; // the window needs no more than twenty updates a second
}

CTransferRunner::CTransferRunner(QObject* parent, StreamFactory streams) : QObject(parent), m_streams(std::move(streams))
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
        const std::shared_ptr<IByteStream> stream =
            m_streams ? m_streams() : std::static_pointer_cast<IByteStream>(std::make_shared<CSerialPort>());
        QElapsedTimer sinceLast;
        bool first = true;
        const ProgressSink progress = [this, &sinceLast, &first](const TransferProgress& now) {
            // The first event at once, then at most twenty a second, and always the last line.
            if (!first && sinceLast.elapsed() < ProgressIntervalMs && (now.total == 0 || now.lines != now.total))
                return;
            first = false;
            sinceLast.start();
            emit Progressed(now);
        };
        // The job closes the line on every path; the stream goes with the last holder.
        emit Finished(job(*stream, m_stop, progress));
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

CTransferRunner* ClaimPortForTransfer(CMerionApp& app)
{
    auto* runner = new CTransferRunner(&app, app.Streams());
    if (app.ClaimSerialPort(runner))
        return runner;
    delete runner;
    return nullptr;
}
