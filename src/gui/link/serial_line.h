#pragma once

#include "core/link/byte_stream.h"

#include <QObject>
#include <QPointer>

class CTransferRunner;
class IReporter;

// The serial port, which carries one transfer at a time whichever dialog starts it. It outlives
// the dialogs, so a transfer's result still arrives after its window has closed.
class CSerialLine : public QObject
{
    Q_OBJECT
public:
    // `streams` makes a transfer's line; empty: the serial port.
    CSerialLine(IReporter& reporter, StreamFactory streams, QObject* parent = nullptr);

    // A claim while another transfer holds the port tells the user and gives false. A claim ends
    // when the claiming transfer is destroyed (its worker has closed the port by then).
    bool Claim(QObject* transfer);
    // A runner for the next transfer, holding the port: nullptr, after telling the user, while
    // another transfer holds it.
    CTransferRunner* ClaimForTransfer();

private:
    IReporter& m_reporter;
    StreamFactory m_streams;
    QPointer<QObject> m_holder;
};
