#include "cli_context.h"
#include "cli_reporter.h"
#include "commands.h"
#include "commands/plot.h"
#include "help_text.h"
#include "result_report.h"
#include "core/report/outcome.h"
#include "core/store/database_location.h"
#include "core/store/project_store.h"
#include "words/result_words.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace
{
QByteArray ProgramUsage()
{
    QStringList names;
    for (const CliCommand& command : Commands())
        names << QString::fromLatin1(command.name);
    return QStringLiteral("COMMAND [ARGS] [OPTIONS]; commands: %1").arg(names.join(QLatin1Char(' '))).toUtf8();
}

// A word whose bytes the file-name encoding cannot read would reach the file system as another
// name (each unreadable byte turned into U+FFFD): a database or a file that is not the one meant.
// Such a word is refused, shown with its bytes beyond ASCII spelled out.
int RefuseUnreadableWord(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const QByteArray word(argv[i]);
        if (QFile::encodeName(QFile::decodeName(word)) == word)
            continue;
        QString shown;
        for (const char c : word)
            shown += (static_cast<unsigned char>(c) & 0x80) ? QStringLiteral("\\x%1").arg(quint8(c), 2, 16, QLatin1Char('0'))
                                                             : QString(QLatin1Char(c));
        const QByteArray text = (MessageOf(Outcome{Status::NameNotEncodable, shown}).text + QLatin1Char('\n')).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        return ExitStatus::Failure;
    }
    return ExitStatus::Success;
}

int PrintAndSucceed(const QString& text)
{
    QTextStream(stdout) << text;
    return ExitStatus::Success;
}

// Parses a command's words, answers --help, and otherwise runs it on the project database.
int RunCommand(const CliCommand& command, const QStringList& words, QString databasePath)
{
    const ParsedArguments parsed = ParseArguments(words, command.options);
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error, command.usage);
    if (parsed.help)
        return PrintAndSucceed(CommandHelp(command));

    if (databasePath.isEmpty())
        databasePath = DefaultDatabasePath();
    CCliReporter reporter;
    CProjectStore store(databasePath, &reporter);
    QTextStream out(stdout);
    CliContext context{store, reporter, out, databasePath};
    // Files named by an option are checked here, those named by position where the command reads them.
    for (const CliOption& option : command.options)
    {
        const QStringList forms = option.valueName.split(QLatin1Char('|'));
        const QString value = parsed.Value(option.name);
        if (forms.contains(QLatin1String("FILE")) && parsed.Has(option.name) && !forms.contains(value) &&
            !AcceptChosenFile(context, value))
            return ExitStatus::Failure;
    }
    if (!store.Connect())
        return ExitStatus::Failure;
    int status = command.run(context, parsed);
    // A change that went into a file deleted or replaced meanwhile is found by nobody: the
    // command has not done what it was asked (the store saves what it can and says where).
    if (status == ExitStatus::Success && store.HasWritten() && !store.FileStillInPlace())
        status = ExitStatus::Failure;
    store.Disconnect();
    return status;
}
} // namespace

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // What the commands print is the same bytes on every system (scripts compare and parse it):
    // no CR added before each line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    if (const int refused = RefuseUnreadableWord(argc, argv); refused != ExitStatus::Success)
        return refused;
    const std::unique_ptr<QCoreApplication> application = CreateApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("MERION"));

    // The program's own options stand before the command; what follows the command is its own.
    const ParsedArguments program =
        ParseArguments(QCoreApplication::arguments().mid(1), {CliOptions::Database, CliOptions::Version}, true);
    if (!program.error.isEmpty())
        return UsageError(program.error, ProgramUsage().constData());
    const QString name = program.positional.value(0);
    if (program.help)
    {
        const CliCommand* command = FindCommand(name);
        return PrintAndSucceed(command ? CommandHelp(*command) : ProgramHelp());
    }
    if (program.Has(CliOptions::Version.name))
        return PrintAndSucceed(VersionText());
    if (name.isEmpty())
        return UsageError(QStringLiteral("no command given"), ProgramUsage().constData());
    const CliCommand* command = FindCommand(name);
    if (!command)
        return UsageError(QStringLiteral("unknown command %1").arg(name), ProgramUsage().constData());
    return RunCommand(*command, program.positional.mid(1), program.Value(CliOptions::Database.name));
}
