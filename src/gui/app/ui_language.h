#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// The two languages of the interface. Its texts are written in Chinese, those it shares with
// merion-cli in English; each language's translation built into the program gives the rest.
enum class UiLanguage
{
    Chinese,
    English,
};

// The value of the --lang option in a command line ("--lang en" or "--lang=en"); empty when
// the line has none. Read before the command line is parsed, so that the parser's own help
// already speaks the chosen language.
QString LanguageArgument(const QStringList& arguments);

// The language to start in: the --lang value ("zh" or "en") when one is given, else Chinese
// where the system's first interface language is Chinese and English everywhere else.
// Nothing for a value that names neither.
std::optional<UiLanguage> ChooseUiLanguage(const QString& option, const QLocale& system);

// Puts the program in `language`: English installs the program's English texts, Chinese the
// Chinese of its texts written in English and Qt's own Chinese texts (file dialogs, message-box
// buttons), so every part speaks alike.
// False when a translation the language needs could not be loaded; the texts stay Chinese
// and Qt's stay English then.
bool InstallUiLanguage(QCoreApplication& application, UiLanguage language);

// The language the program speaks now: English once InstallUiLanguage put its English texts
// in, Chinese otherwise.
UiLanguage InstalledUiLanguage();
