#include "commands.h"

#include "commands/adjust.h"
#include "commands/alignment.h"
#include "commands/code.h"
#include "commands/compute.h"
#include "commands/crs.h"
#include "commands/download.h"
#include "commands/point.h"
#include "commands/settings.h"
#include "commands/export.h"
#include "commands/fit.h"
#include "commands/import.h"
#include "commands/plot.h"
#include "commands/sdcard.h"
#include "commands/show.h"
#include "commands/upload.h"

#include <cstdio>

const QList<CliCommand>& Commands()
{
    static const QList<CliCommand> commands = {
        ShowCommand(),   PointCommand(),  CodeCommand(),   AlignmentCommand(), SettingsCommand(),
        ImportCommand(), ExportCommand(), SdCardCommand(), UploadCommand(),    DownloadCommand(),
        PlotCommand(),   ComputeCommand(), CrsCommand(),    TransformCommand(), FitCommand(),    AdjustCommand(),
    };
    return commands;
}

const CliCommand* FindCommand(const QString& name)
{
    for (const CliCommand& command : Commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

int UsageError(const QString& problem, const char* usage)
{
    const QByteArray text = QStringLiteral("merion-cli: %1\nusage: merion-cli [--database PATH] %2\n")
                                .arg(problem, QString::fromUtf8(usage))
                                .toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return ExitStatus::Usage;
}
