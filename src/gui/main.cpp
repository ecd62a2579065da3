#include "gui/app/app_texts.h"
#include "gui/app/merion_app.h"
#include "gui/app/ui_language.h"
#include "core/files/files_texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTexts::Caption);
    QApplication::setOrganizationName(AppTexts::Caption);
    // The desktop entry that carries the program's name and icon (Wayland asks for it).
    QGuiApplication::setDesktopFileName(QStringLiteral("merion"));
    // The language comes first, so that even the command line's help speaks it.
    const QString languageValue = LanguageArgument(QApplication::arguments());
    const std::optional<UiLanguage> language = ChooseUiLanguage(languageValue, QLocale::system());
    // An unknown --lang value is refused below, in the system's language.
    InstallUiLanguage(application, language.value_or(*ChooseUiLanguage(QString(), QLocale::system())));
    // Tool dialogs are windows of their own; the program ends with the main window only.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"), AppTexts::DatabaseOption, AppTexts::PathValue);
    const QCommandLineOption lang(QStringLiteral("lang"), AppTexts::LanguageOption, QStringLiteral("zh|en"));
    parser.addOptions({database, lang});
    parser.addHelpOption();
    parser.process(application);
    if (!language)
    {
        std::fputs(qPrintable(AppTexts::UnknownLanguage.Arg(languageValue) + QLatin1Char('\n')), stderr);
        return 1;
    }

    // A name whose bytes the file-name encoding cannot read comes with U+FFFD in their place: it
    // would open another, new project.
    if (parser.value(database).contains(QChar(QChar::ReplacementCharacter)))
    {
        std::fputs(qPrintable(FilesTexts::NameNotEncodable.Arg(parser.value(database)) + QLatin1Char('\n')), stderr);
        return 1;
    }

    QSettings settings; // the user's: window layout and last folders
    CMerionApp app(AppOptions{parser.value(database), nullptr, true, &settings});
    if (!app.InitInstance())
        return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
