#pragma once

#include <QString>

// The fixed texts of hand editing: the messages, the dialogs' captions and labels, and the
// origin mark of rows typed in by hand.
namespace EditTexts
{
inline const QString NameEmpty = QStringLiteral("PT Name Can't Be Null!");
inline const QString NameExists = QStringLiteral("PT Name Already Exists,Please Rename!");
inline const QString DeleteAllQuestion = QStringLiteral("Delete All Records?");
inline QString DeleteQuestion(const QString& key)
{
    return QStringLiteral("Delete <") + key + QStringLiteral("> ?");
}
// `field` is the field's label without its colon, so the surveyor sees which box to fix.
inline QString NotANumber(const QString& field)
{
    return field + QStringLiteral(" Must Be A Number!");
}

inline const QString ManualInput = QStringLiteral("Manual_Input_Data");

// Field names; a dialog's label is the name followed by a colon.
inline const QString PointName = QStringLiteral("点名");
inline const QString North = QStringLiteral("北坐标(N)");
inline const QString East = QStringLiteral("东坐标(E)");
inline const QString Height = QStringLiteral("高程(Z)");
inline const QString Code = QStringLiteral("编码");
inline const QString CodeNumber = QStringLiteral("编号");
inline const QString Sequence = QStringLiteral("序号");
inline const QString LineType = QStringLiteral("定线类型");
inline const QString StartDist = QStringLiteral("起始里程");
inline const QString Radius = QStringLiteral("半径");

inline const QString CoorDialogCaption = QStringLiteral("坐标编辑");
inline const QString AddCoorCaption = QStringLiteral("Add Coor");
inline const QString EditCoorCaption = QStringLiteral("Coor Edit");
inline const QString CodeDialogCaption = QStringLiteral("编码编辑");
inline const QString AddCodeCaption = QStringLiteral("Add Code");
inline const QString EditCodeCaption = QStringLiteral("Code Edit");
inline const QString AlignmentCaption = QStringLiteral("道路测量-平面定线");
inline const QString AlignmentNote = QStringLiteral("(定线类型 : 0-直线,1-圆曲线,2-缓和曲线,3-终点)");
inline const QString SaveLabel = QStringLiteral("保存");
inline const QString CancelLabel = QStringLiteral("取消");
inline const QString AddButton = QStringLiteral("Add");
inline const QString SaveButton = QStringLiteral("Save");
} // namespace EditTexts
