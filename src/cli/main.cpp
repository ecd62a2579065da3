#include "cli_context.h"
#include "cli_reporter.h"
#include "commands.h"
#include "commands/plot.h"
#include "core/store/database_location.h"
#include "core/store/project_store.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace
{
QString ProgramUsage()
{
    QStringList names;
    for (const CliCommand& command : Commands())
        names << QString::fromLatin1(command.name);
    return QStringLiteral("COMMAND [ARGS] [OPTIONS]; commands: %1").arg(names.join(QLatin1Char(' ')));
}
} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> application = CreateApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("MERION"));

    QStringList words = QCoreApplication::arguments().mid(1);
    QString databasePath;
    const qsizetype databaseAt = words.indexOf(QStringLiteral("--database"));
    if (databaseAt >= 0)
    {
        if (databaseAt + 1 >= words.size())
            return UsageError(QStringLiteral("--database needs a path"), ProgramUsage().toUtf8().constData());
        databasePath = words[databaseAt + 1];
        words.remove(databaseAt, 2);
    }
    if (words.isEmpty())
        return UsageError(QStringLiteral("no command given"), ProgramUsage().toUtf8().constData());

    const QString name = words.takeFirst();
    for (const CliCommand& command : Commands())
    {
        if (name != QLatin1String(command.name))
            continue;
        if (databasePath.isEmpty())
            databasePath = DefaultDatabasePath();
        CCliReporter reporter;
        int status = ExitStatus::Success;
        {
            CProjectStore store(databasePath, &reporter);
            QTextStream out(stdout);
            CliContext context{store, reporter, out, databasePath};
            if (!store.Connect())
                return ExitStatus::Failure;
            status = command.run(context, words);
            store.Disconnect();
        }
        return status;
    }
    return UsageError(QStringLiteral("unknown command %1").arg(name), ProgramUsage().toUtf8().constData());
}
