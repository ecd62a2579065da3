#include "gui/app/app_texts.h"
#include "gui/app/merion_app.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTexts::Caption);
    // Tool dialogs are windows of their own; the program ends with the main window only.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("project database file"),
                                      QStringLiteral("PATH"));
    parser.addOption(database);
    parser.addHelpOption();
    parser.process(application);

    CMerionApp app(AppOptions{parser.value(database), nullptr, true});
    if (!app.InitInstance())
        return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
