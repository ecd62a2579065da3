#include "gui/app/help_document.h"

#include "gui/app/app_texts.h"
#include "core/install/data_files.h"
#include "core/report/reporter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

CHelpDocument::CHelpDocument(QString programFolder, DocumentOpener opener)
    : m_programFolder(std::move(programFolder)), m_opener(std::move(opener))
{
    if (!m_opener)
        m_opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QString CHelpDocument::Path() const
{
    const QFileInfo found(DataFilePathFrom(m_programFolder, AppTexts::HelpFile));
    return found.isFile() ? QDir::cleanPath(found.absoluteFilePath()) : QString();
}

bool CHelpDocument::Open(IReporter& reporter) const
{
    const QString path = Path();
    if (path.isEmpty())
    {
        reporter.Message(AppTexts::HelpMissing(), MessageIcon::Information);
        return false;
    }
    if (!m_opener(QUrl::fromLocalFile(path)))
    {
        reporter.Message(AppTexts::HelpNotOpened(QDir::toNativeSeparators(path)), MessageIcon::Exclamation);
        return false;
    }
    return true;
}
