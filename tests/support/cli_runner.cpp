#include "cli_runner.h"

#include <QProcess>

void StartCli(QProcess& process, const QString& database, const QStringList& words)
{
    QStringList arguments;
    if (!database.isEmpty())
        arguments << QStringLiteral("--database") << database;
    arguments << words;
    process.start(QStringLiteral(MERION_CLI_PATH), arguments);
}

CliRun RunCli(const QString& database, const QStringList& words, int timeoutMs)
{
    QProcess process;
    StartCli(process, database, words);
    CliRun run;
    if (!process.waitForFinished(timeoutMs))
    {
        process.kill();
        process.waitForFinished();
        run.err = "merion-cli did not finish in time";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
