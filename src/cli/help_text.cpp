#include "help_text.h"

#include "commands.h"

#include <QTextStream>

#include <algorithm>

namespace
{
const QString Program = QStringLiteral("merion-cli");
const QString Prefix = QStringLiteral("merion-cli [--database PATH] ");
constexpr qsizetype OptionColumn = 30;
constexpr qsizetype LineWidth = 100;

// `text` broken at spaces into lines of at most LineWidth, each after `indent` spaces.
QString Wrapped(const QString& text, qsizetype indent)
{
    const QString margin(indent, QLatin1Char(' '));
    QString result;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' ')))
    {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > LineWidth)
        {
            result += margin + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return result + margin + line + QLatin1Char('\n');
}

QStringList FormsOf(const CliCommand& command)
{
    return QString::fromUtf8(command.usage).split(QStringLiteral(" | "));
}

// "  term   text", the text wrapped in its column; a long term puts its text on the next line.
void WriteEntry(QTextStream& out, const QString& term, const QString& text)
{
    const QString head = QStringLiteral("  ") + term;
    const QString lines = Wrapped(text, OptionColumn);
    if (head.size() + 2 > OptionColumn)
        out << head << '\n' << lines;
    else
        out << head.leftJustified(OptionColumn) << lines.mid(OptionColumn);
}

void WriteOption(QTextStream& out, const CliOption& option)
{
    QString term = QStringLiteral("--") + option.name;
    if (option.TakesValue())
        term += QLatin1Char(' ') + option.valueName;
    QString text = option.description;
    if (!option.whenAbsent.isEmpty())
        text += QStringLiteral(" (default: %1)").arg(option.whenAbsent);
    WriteEntry(out, term, text);
}

void WriteFooter(QTextStream& out)
{
    out << "\nData kinds (KIND):\n"
           "  coor (21, CoorEdit), code (22, CodeEdit), meas (74001, 740Meas), v2meas (52001, 520Meas),\n"
           "  roadstake (52002, 520RoadStake), xsect (52003, 520BreakerSur), alignment (52004, 520SurLine)\n"
           "\nExit status:\n"
           "  0 on success, 1 when the operation reported a failure, 2 for a usage error.\n";
}
} // namespace

QString ProgramHelp()
{
    QString text;
    QTextStream out(&text);
    // Every form as a usage line, then one line per command: the shape manual pages are made from.
    out << "Usage: " << Prefix << "COMMAND [ARGS] [OPTIONS]\n"
        << "  or:  " << Program << " COMMAND --help\n"
        << "  or:  " << Program << " --help | --version\n";
    for (const CliCommand& command : Commands())
        for (const QString& form : FormsOf(command))
            out << "  or:  " << Program << ' ' << form << '\n';
    out << "Runs the operations of the MERION total station program without a window, on the same\n"
           "project database. Messages go to standard error, one per line; questions are answered yes.\n"
        << "\nCommands:\n";
    for (const CliCommand& command : Commands())
        WriteEntry(out, QString::fromLatin1(command.name), QString::fromUtf8(command.summary));

    out << "\nOptions:\n";
    QList<CliOption> options = {CliOptions::Database, CliOptions::Help, CliOptions::Version};
    for (const CliCommand& command : Commands())
        for (const CliOption& option : command.options)
            if (std::none_of(options.cbegin(), options.cend(), [&](const CliOption& o) { return o.name == option.name; }))
                options << option;
    for (const CliOption& option : options)
        WriteOption(out, option);
    WriteFooter(out);
    out.flush();
    return text;
}

QString CommandHelp(const CliCommand& command)
{
    QString text;
    QTextStream out(&text);
    const QStringList forms = FormsOf(command);
    for (qsizetype i = 0; i < forms.size(); ++i)
        out << (i == 0 ? "Usage: " : "  or:  ") << Prefix << forms[i] << '\n';
    const QString summary = QString::fromUtf8(command.summary);
    out << Wrapped(summary.left(1).toUpper() + summary.mid(1) + QLatin1Char('.'), 0) << "\nOptions:\n";
    for (const CliOption& option : command.options)
        WriteOption(out, option);
    WriteOption(out, CliOptions::Help);
    out.flush();
    return text;
}

QString VersionText()
{
    return Program + QLatin1Char(' ') + QStringLiteral(MERION_VERSION) + QLatin1Char('\n');
}
