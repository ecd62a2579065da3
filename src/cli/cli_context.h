#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class CProjectStore;
class CCliReporter;

// What every command gets: the project store, the reporter that prints messages to
// standard error, and standard output.
struct CliContext
{
    CProjectStore& store;
    CCliReporter& reporter;
    QTextStream& out;
    QString databasePath;
};

// Exit statuses shared by every command.
namespace ExitStatus
{
constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int Usage = 2;
constexpr int Interrupted = 130; // stopped by Ctrl+C or a termination request, as shells count it
} // namespace ExitStatus
