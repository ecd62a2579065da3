#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtTranslations(const QString& language)
{
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders)
        if (translator->load(QStringLiteral("qtbase_") + language, folder))
            return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}
