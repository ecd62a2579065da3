#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The running copy of the program listens on a local channel named after its project's file;
// a second start on the same project, refused by the instance lock, asks it there to come
// forward, so the user finds the window that already holds the project.
class CInstanceChannel : public QObject
{
    Q_OBJECT
public:
    explicit CInstanceChannel(QObject* parent = nullptr);
    ~CInstanceChannel() override;

    // Listens for the project at `databasePath` (and no longer for the one before). A channel
    // left by a crashed run is taken over: whoever calls this holds the project's lock.
    void Listen(const QString& databasePath);

    // Asks the copy running on `databasePath` to come forward; false when none answered.
    static bool AskToComeForward(const QString& databasePath);

signals:
    void ComeForwardAsked();

private:
    QLocalServer* m_server = nullptr;
};
