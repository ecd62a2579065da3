#include "gui/app/app_texts.h"
#include "gui/app/merion_app.h"
#include "gui/app/qt_translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTexts::Caption);
    QApplication::setOrganizationName(AppTexts::Caption);
    // The program speaks Chinese; so do Qt's own dialogs and buttons.
    LoadQtTranslations();
    // Tool dialogs are windows of their own; the program ends with the main window only.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("project database file"),
                                      QStringLiteral("PATH"));
    parser.addOption(database);
    parser.addHelpOption();
    parser.process(application);

    QSettings settings; // the user's: window layout and last folders
    CMerionApp app(AppOptions{parser.value(database), nullptr, true, &settings});
    if (!app.InitInstance())
        return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
