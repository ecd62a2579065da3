#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of merion-cli: what it printed and how it ended.
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QString Out() const { return QString::fromUtf8(out); }
    QString Err() const { return QString::fromUtf8(err); }
};

// Runs merion-cli on `database` with the given words (waits at most `timeoutMs`).
CliRun RunCli(const QString& database, const QStringList& words, int timeoutMs = 60000);
