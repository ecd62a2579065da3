#pragma once

#include "core/report/shown_text.h"

#include <QLocale>
#include <QString>

// The fixed texts of the list view (its context menus are built from the command table).
namespace ViewTexts
{
// The status bar while a long list is sorted.
inline constexpr ShownText Sorting = QT_TRANSLATE_NOOP("MERION", "正在排序…");
inline constexpr ShownText CancelSort = QT_TRANSLATE_NOOP("MERION", "取消");
// The status bar's count of the rows in the list (see RowCount).
inline constexpr ShownText Rows = QT_TRANSLATE_N_NOOP("MERION", "共 %1 行");

// English counts "1 row" but "2 rows": the translation has a form per number. The number is
// grouped by thousands (1,000,000) in both languages, whatever the system's format.
inline QString RowCount(qsizetype rows)
{
    return Rows.Counted(int(rows)).arg(QLocale(QLocale::English).toString(qlonglong(rows)));
}
}
