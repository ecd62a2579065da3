#include "gui/link/serial_line.h"

#include "core/link/link_texts.h"
#include "core/report/reporter.h"
#include "gui/link/transfer_runner.h"

CSerialLine::CSerialLine(IReporter& reporter, StreamFactory streams, QObject* parent)
    : QObject(parent), m_reporter(reporter), m_streams(std::move(streams))
{
}

bool CSerialLine::Claim(QObject* transfer)
{
    if (m_holder && m_holder != transfer)
    {
        m_reporter.Message(LinkTexts::PortBusy, MessageIcon::Exclamation);
        return false;
    }
    m_holder = transfer;
    return true;
}

CTransferRunner* CSerialLine::ClaimForTransfer()
{
    auto* runner = new CTransferRunner(this, m_streams);
    if (Claim(runner))
        return runner;
    delete runner;
    return nullptr;
}
