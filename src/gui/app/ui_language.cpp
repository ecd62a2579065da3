#include "gui/app/ui_language.h"

#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace
{
const QString LanguageOption = QStringLiteral("--lang");
// Built from translations/merion_en.ts and merion_zh.ts and linked into the program, so no
// installation can lose them.
const QString EnglishTexts = QStringLiteral(":/i18n/merion_en.qm");
const QString ChineseTexts = QStringLiteral(":/i18n/merion_zh.qm");
// The English texts' translator goes by this name, so the program can tell which it speaks.
const QString EnglishTranslator = QStringLiteral("merionEnglishTexts");

bool InstallProgramTexts(QCoreApplication& application, const QString& file, const QString& name = {})
{
    auto* texts = new QTranslator(&application);
    texts->setObjectName(name);
    if (!texts->load(file))
    {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}
} // namespace

QString LanguageArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
    {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (argument == LanguageOption)
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (argument.startsWith(LanguageOption + QLatin1Char('=')))
            return argument.mid(LanguageOption.size() + 1);
    }
    return {};
}

std::optional<UiLanguage> ChooseUiLanguage(const QString& option, const QLocale& system)
{
    if (option == QLatin1String("zh"))
        return UiLanguage::Chinese;
    if (option == QLatin1String("en"))
        return UiLanguage::English;
    if (!option.isEmpty())
        return std::nullopt;
    // The interface languages put LANGUAGE before LC_MESSAGES and LANG, as gettext programs do.
    const QStringList preferred = system.uiLanguages();
    const QLocale first = preferred.isEmpty() ? system : QLocale(preferred.first());
    return first.language() == QLocale::Chinese ? UiLanguage::Chinese : UiLanguage::English;
}

bool InstallUiLanguage(QCoreApplication& application, UiLanguage language)
{
    if (language == UiLanguage::Chinese)
    {
        // The messages written in English, which merion-cli prints as they stand, speak Chinese here.
        const bool programTexts = InstallProgramTexts(application, ChineseTexts);
        return LoadQtTranslations() && programTexts;
    }
    return InstallProgramTexts(application, EnglishTexts, EnglishTranslator);
}

UiLanguage InstalledUiLanguage()
{
    const QCoreApplication* application = QCoreApplication::instance();
    const auto* english = application ? application->findChild<QTranslator*>(EnglishTranslator, Qt::FindDirectChildrenOnly)
                                      : nullptr;
    return english && !english->isEmpty() ? UiLanguage::English : UiLanguage::Chinese;
}
