// A build without Qt Network (the Qt for MinGW has none): nobody listens, and a second start
// only refuses with the instance lock's message.
#include "gui/app/instance_channel.h"

CInstanceChannel::CInstanceChannel(QObject* parent) : QObject(parent)
{
}

CInstanceChannel::~CInstanceChannel() = default;

void CInstanceChannel::Listen(const QString&)
{
}

bool CInstanceChannel::AskToComeForward(const QString&)
{
    return false;
}
