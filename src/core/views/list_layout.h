#pragma once

#include "core/views/data_kind.h"

#include <QList>
#include <QString>

// One column of the list: its caption, the table column it shows, its width in pixels,
// whether it is left-aligned (all others are centred) and whether blanks around the stored
// text are removed for display.
struct ListColumn
{
    QString caption;
    QString source;
    int width = 80;
    bool leftAligned = false;
    bool trimmed = false;
};

// The columns of a kind's list; empty for kinds that show no list (the upload kinds).
const QList<ListColumn>& ListLayoutOf(DataKind kind);
