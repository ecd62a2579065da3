#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the list view's context menus.
namespace ViewTexts
{
inline constexpr ShownText ListEditMenu = QT_TRANSLATE_NOOP("MERION", "列表编辑");
inline constexpr ShownText Add = QT_TRANSLATE_NOOP("MERION", "添加");
inline constexpr ShownText Edit = QT_TRANSLATE_NOOP("MERION", "编辑");
inline constexpr ShownText DeleteRecord = QT_TRANSLATE_NOOP("MERION", "删除记录");
inline constexpr ShownText DeleteAll = QT_TRANSLATE_NOOP("MERION", "删除所有");
inline constexpr ShownText DataExport = QT_TRANSLATE_NOOP("MERION", "数据导出");

inline constexpr ShownText MeasExportMenu = QT_TRANSLATE_NOOP("MERION", "740测量数据导出");
inline constexpr ShownText AngleExport = QT_TRANSLATE_NOOP("MERION", "角度导出");
inline constexpr ShownText HdExport = QT_TRANSLATE_NOOP("MERION", "平距导出");
inline constexpr ShownText SdExport = QT_TRANSLATE_NOOP("MERION", "斜距导出");
inline constexpr ShownText ExportEn = QT_TRANSLATE_NOOP("MERION", "导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline constexpr ShownText ExportNe = QT_TRANSLATE_NOOP("MERION", "导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline constexpr ShownText V2MeasExportMenu = QT_TRANSLATE_NOOP("MERION", "520测量数据导出");

// The status bar's count of the rows in the list.
inline QString RowCount(qsizetype rows)
{
    // English counts "1 row" but "2 rows": the translation has a form per number.
    return QCoreApplication::translate("MERION", "共 %n 行", nullptr, int(rows));
}
} // namespace ViewTexts
