#pragma once

#include "core/report/shown_text.h"

#include <QLocale>
#include <QString>

// The fixed texts of the list view (its context menus are built from the command table).
namespace ViewTexts
{
// The status bar's count of the rows in the list.
inline QString RowCount(qsizetype rows)
{
    // English counts "1 row" but "2 rows": the translation has a form per number. The number
    // is grouped by thousands (1,000,000) in both languages, whatever the system's format.
    return QCoreApplication::translate("MERION", "共 %1 行", nullptr, int(rows))
        .arg(QLocale(QLocale::English).toString(qlonglong(rows)));
}
} // namespace ViewTexts
