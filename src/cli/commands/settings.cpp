#include "commands/settings.h"

#include "arguments.h"
#include "cli_reporter.h"
#include "commands.h"
#include "core/link/com_config.h"
#include "core/link/link_texts.h"
#include "core/link/serial_port.h"
#include "result_report.h"

#include <optional>

namespace
{
// The words of each setting and the code each stands for.
struct Word
{
    const char* text;
    int code;
};
constexpr Word ProtocolWords[] = {{"none", 0}, {"ack-nak", 1}};
constexpr Word DataBitWords[] = {{"8", 0}, {"7", 1}};
constexpr Word StopBitWords[] = {{"1", 0}, {"1.5", 1}, {"2", 2}};
constexpr Word ParityWords[] = {{"none", 0}, {"odd", 1}, {"even", 2}};

template <size_t N>
std::optional<int> CodeOf(const Word (&words)[N], const QString& text)
{
    for (const Word& word : words)
        if (text == QLatin1String(word.text))
            return word.code;
    return std::nullopt;
}

// A code outside the table shows as what the port makes of it: the table's first word.
template <size_t N>
QString WordOf(const Word (&words)[N], int code)
{
    for (const Word& word : words)
        if (word.code == code)
            return QString::fromLatin1(word.text);
    return QString::fromLatin1(words[0].text);
}

std::optional<int> BaudIndexOf(const QString& text)
{
    for (int index = 0; index < 8; ++index)
        if (text == QString::number(BaudRateFromIndex(index)))
            return index;
    return std::nullopt;
}

QString Describe(const ComConfig& config)
{
    return QStringLiteral("port=%1 baud=%2 protocol=%3 data-bits=%4 stop-bits=%5 parity=%6")
        .arg(config.comPort)
        .arg(BaudRateFromIndex(config.baudRate))
        .arg(WordOf(ProtocolWords, config.protocol), WordOf(DataBitWords, config.dataBit),
             WordOf(StopBitWords, config.stopBit), WordOf(ParityWords, config.parityBit));
}

// Sets `code` from the option's value; false (after the usage message) when the value is not allowed.
template <typename Parse>
bool Take(const ParsedArguments& parsed, const char* option, Parse parse, int& code, int& status)
{
    const QString name = QString::fromLatin1(option);
    if (!parsed.Has(name))
        return true;
    const std::optional<int> value = parse(parsed.Value(name));
    if (!value)
    {
        status = UsageError(QStringLiteral("--%1 does not take %2").arg(name, parsed.Value(name)), SettingsUsage);
        return false;
    }
    code = *value;
    return true;
}
} // namespace

int RunSettings(CliContext& context, const ParsedArguments& parsed)
{
    if (!parsed.positional.isEmpty())
        return UsageError(QStringLiteral("settings takes options only"), SettingsUsage);

    auto [config, read] = ReadComConfig(context.store);
    if (!parsed.options.isEmpty())
    {
        int status = ExitStatus::Success;
        const bool valid =
            Take(parsed, "port", [](const QString& t) { return ParseIntIn(t, 1, 6); }, config.comPort, status) &&
            Take(parsed, "baud", BaudIndexOf, config.baudRate, status) &&
            Take(parsed, "protocol", [](const QString& t) { return CodeOf(ProtocolWords, t); }, config.protocol, status) &&
            Take(parsed, "data-bits", [](const QString& t) { return CodeOf(DataBitWords, t); }, config.dataBit, status) &&
            Take(parsed, "stop-bits", [](const QString& t) { return CodeOf(StopBitWords, t); }, config.stopBit, status) &&
            Take(parsed, "parity", [](const QString& t) { return CodeOf(ParityWords, t); }, config.parityBit, status);
        if (!valid)
            return status;
        if (const Outcome saved = SaveComConfig(context.store, config); !saved.Succeeded())
            return ReportOutcome(context, saved);
#ifndef _WIN32
        if (config.stopBit == 1)
            context.reporter.Message(LinkTexts::NoHalfStopBit, MessageIcon::Information);
#endif
    }
    context.out << Describe(config) << '\n';
    context.out.flush();
    return ReportOutcome(context, read);
}

const CliCommand& SettingsCommand()
{
    static const CliCommand command{
        "settings", SettingsUsage,
        "prints the stored serial settings; with options, changes those given and stores the row",
        {CliOptions::Port, CliOptions::Baud, CliOptions::Protocol,
         CliOptions::DataBits, CliOptions::StopBits, CliOptions::Parity}, RunSettings};
    return command;
}
