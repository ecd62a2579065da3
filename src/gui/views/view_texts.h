#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the list view (its context menus are built from the command table).
namespace ViewTexts
{
// The status bar's count of the rows in the list.
inline QString RowCount(qsizetype rows)
{
    // English counts "1 row" but "2 rows": the translation has a form per number.
    return QCoreApplication::translate("MERION", "共 %n 行", nullptr, int(rows));
}
} // namespace ViewTexts
