#pragma once

#include <QString>

struct CliCommand;

// merion-cli --help: every command with its forms, every option with its values and default.
QString ProgramHelp();

// merion-cli COMMAND --help: the command's forms and its options.
QString CommandHelp(const CliCommand& command);

// merion-cli --version.
QString VersionText();
