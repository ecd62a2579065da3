#pragma once

#include <QString>

// The fixed texts of the list view's context menus.
namespace ViewTexts
{
inline const QString ListEditMenu = QStringLiteral("列表编辑");
inline const QString Add = QStringLiteral("添加");
inline const QString Edit = QStringLiteral("编辑");
inline const QString DeleteRecord = QStringLiteral("删除记录");
inline const QString DeleteAll = QStringLiteral("删除所有");
inline const QString DataExport = QStringLiteral("数据导出");

inline const QString MeasExportMenu = QStringLiteral("740测量数据导出");
inline const QString AngleExport = QStringLiteral("角度导出");
inline const QString HdExport = QStringLiteral("平距导出");
inline const QString SdExport = QStringLiteral("斜距导出");
inline const QString ExportEn = QStringLiteral("导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline const QString ExportNe = QStringLiteral("导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline const QString V2MeasExportMenu = QStringLiteral("520测量数据导出");

// The status bar's count of the rows in the list.
inline QString RowCount(qsizetype rows)
{
    return QStringLiteral("共 %1 行").arg(rows);
}
} // namespace ViewTexts
