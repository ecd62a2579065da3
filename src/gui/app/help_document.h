#pragma once

#include "gui/app/ui_language.h"

#include <QString>
#include <QUrl>

#include <functional>

class IReporter;

// Hands a document to whatever shows it; false when nothing could (no PDF viewer).
using DocumentOpener = std::function<bool(const QUrl&)>;

// The user guide that F1 opens, in the interface's language (Help.pdf in Chinese,
// Help-en.pdf in English). It stands beside the program in a build or a portable folder, and
// in share/merion beside the program's bin folder once installed.
class CHelpDocument
{
public:
    // `opener` defaults to the desktop's own viewer for the file type, or a known PDF viewer
    // when the desktop names none; `language` to the one the program speaks.
    explicit CHelpDocument(QString programFolder, DocumentOpener opener = {},
                           UiLanguage language = InstalledUiLanguage());

    // The guide's path, or empty when it is in none of its places.
    QString Path() const;
    // Opens the guide; a guide that is missing or that nothing can show is reported, so F1
    // never does nothing.
    bool Open(IReporter& reporter) const;

private:
    QString m_programFolder;
    DocumentOpener m_opener;
    UiLanguage m_language;
};
