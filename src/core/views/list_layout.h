#pragma once

#include "core/views/data_kind.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// One column of the list: its caption, the table column it shows, its width in pixels,
// whether it is left-aligned (all others are centred) and whether blanks around the stored
// text are removed for display.
struct ListColumn
{
    QString caption; // untranslated: what merion-cli prints and writes
    QString source;
    int width = 80;
    bool leftAligned = false;
    bool trimmed = false;

    // The caption in the interface's language, for the list's header.
    QString ShownCaption() const { return QCoreApplication::translate("MERION", caption.toUtf8().constData()); }
};

// The columns of a kind's list; empty for kinds that show no list (the upload kinds).
const QList<ListColumn>& ListLayoutOf(DataKind kind);
