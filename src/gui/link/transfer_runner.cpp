#include "gui/link/transfer_runner.h"

#include "core/link/serial_port.h"

#include <QElapsedTimer>

namespace
{
constexpr int ProgressIntervalMs = 50; // the window needs no more than twenty updates a second
}

CTransferRunner::CTransferRunner(QObject* parent, StreamFactory streams) : CWorker(parent), m_streams(std::move(streams))
{
}

CTransferRunner::~CTransferRunner()
{
    StopAndWait();
}

void CTransferRunner::Start(Job job)
{
    Launch([this, job = std::move(job)](const std::atomic<bool>& stop) {
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
        emit Finished(job(*stream, stop, progress));
    });
}
