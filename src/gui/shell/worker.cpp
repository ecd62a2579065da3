#include "gui/shell/worker.h"

#include <QThread>

CWorker::CWorker(QObject* parent) : QObject(parent)
{
}

CWorker::~CWorker()
{
    StopAndWait();
}

void CWorker::StopAndWait()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
}

void CWorker::Launch(Body body)
{
    m_thread = QThread::create([this, body = std::move(body)] { body(m_stop); });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        deleteLater();
    });
    m_thread->start();
}
