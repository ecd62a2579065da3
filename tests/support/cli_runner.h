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

// Starts merion-cli on `database` without waiting, for a test that stops it midway.
void StartCli(class QProcess& process, const QString& database, const QStringList& words);
