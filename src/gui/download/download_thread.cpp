#include "gui/download/download_thread.h"

#include "core/store/project_store.h"

CDownloadThread::CDownloadThread(CProjectStore& store, CSerialPort& port, DownloadRequest request,
                                 QObject* parent)
    : QThread(parent), m_store(store), m_port(port), m_request(std::move(request))
{
}

void CDownloadThread::run()
{
    m_outcome = DownloadWorker(m_store, m_port, m_request, m_stop);
    // The connection this thread opened belongs to it and goes with it.
    m_store.Disconnect();
}
