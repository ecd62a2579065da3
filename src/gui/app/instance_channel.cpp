#include "gui/app/instance_channel.h"

#include "core/store/file_identity.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace
{
const QByteArray ComeForward = QByteArrayLiteral("come-forward\n");
constexpr int AnswerWaitMs = 1000;

// One name per project file (whatever path or link names it) and per user.
QString ChannelName(const QString& databasePath)
{
    const FileIdentity identity = IdentityOf(databasePath);
    const QString file = identity.exists ? identity.Key() : QFileInfo(databasePath).absoluteFilePath();
    const QByteArray key = (QDir::homePath() + QLatin1Char('|') + file).toUtf8();
    return QStringLiteral("merion-") +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(20));
}
} // namespace

CInstanceChannel::CInstanceChannel(QObject* parent) : QObject(parent)
{
}

CInstanceChannel::~CInstanceChannel() = default;

void CInstanceChannel::Listen(const QString& databasePath)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = ChannelName(databasePath);
    QLocalServer::removeServer(name);
    if (!m_server->listen(name))
        return; // a second start is then refused without bringing this window forward
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection())
        {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                if (caller->canReadLine() && caller->readLine() == ComeForward)
                    emit ComeForwardAsked();
                caller->disconnectFromServer();
            });
        }
    });
}

bool CInstanceChannel::AskToComeForward(const QString& databasePath)
{
    QLocalSocket socket;
    socket.connectToServer(ChannelName(databasePath));
    if (!socket.waitForConnected(AnswerWaitMs))
        return false;
    socket.write(ComeForward);
    const bool sent = socket.waitForBytesWritten(AnswerWaitMs);
    socket.disconnectFromServer();
    return sent;
}
