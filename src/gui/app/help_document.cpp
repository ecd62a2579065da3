#include "gui/app/help_document.h"

#include "gui/app/app_texts.h"
#include "gui/app/document_viewer.h"
#include "core/install/data_files.h"
#include "core/report/reporter.h"

#include <QDir>
#include <QFileInfo>

CHelpDocument::CHelpDocument(QString programFolder, DocumentOpener opener, UiLanguage language)
    : m_programFolder(std::move(programFolder)), m_opener(std::move(opener)), m_language(language)
{
    if (!m_opener)
        m_opener = OpenDocument;
}

QString CHelpDocument::Path() const
{
    // The guide in the interface's language; the Chinese one where no other was installed.
    QStringList names{AppTexts::HelpFile};
    if (m_language == UiLanguage::English)
        names.prepend(AppTexts::EnglishHelpFile);
    for (const QString& name : names)
    {
        const QFileInfo found(DataFilePathFrom(m_programFolder, name));
        if (found.isFile())
            return QDir::cleanPath(found.absoluteFilePath());
    }
    return {};
}

bool CHelpDocument::Open(IReporter& reporter) const
{
    const QString path = Path();
    if (path.isEmpty())
    {
        reporter.Message(AppTexts::HelpMissing, MessageIcon::Information);
        return false;
    }
    if (!m_opener(QUrl::fromLocalFile(path)))
    {
        reporter.Message(AppTexts::HelpNotOpened.Arg(QDir::toNativeSeparators(path)), MessageIcon::Exclamation);
        return false;
    }
    return true;
}
