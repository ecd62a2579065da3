#pragma once

#include <QString>
#include <QStringList>

// Every fixed text of the upload: the dialog's captions and what a transfer tells the user.
namespace UploadTexts
{
inline const QString DialogTitle = QStringLiteral("上传数据");
inline const QString InstrumentLabel = QStringLiteral("仪器类型:");
inline const QString CategoryLabel = QStringLiteral("上传类别:");
inline const QString UploadButton = QStringLiteral("上传");
inline const QString CancelButton = QStringLiteral("取消");
// Positions 0 and 1 stream without a handshake; position 2 is the T8 with its second record format.
inline const QStringList Instruments = {QStringLiteral("T5/T5+"), QStringLiteral("T8"), QStringLiteral("T8 V2")};
inline const QString CoordinateCategory = QStringLiteral("坐标数据");
inline const QString AlignmentCategory = QStringLiteral("Plane Alignment");

inline const QString Complete = QStringLiteral("Upload Complete!");
inline const QString StoppedByInstrument = QStringLiteral("Upload Timeout!");
inline const QString WaitTimeout = QStringLiteral("Wait Timeout");
// The line went away during an upload: how many lines reached the port whole.
inline QString Interrupted(int sent, int total)
{
    return QStringLiteral("Upload Interrupted! %1 of %2 lines sent.").arg(sent).arg(total);
}

// A row that cannot be sent as it stands. `row` counts from 1 in list order.
inline QString PointWithoutName(int row)
{
    return QStringLiteral("The point in row %1 has no name.\nNothing was uploaded.").arg(row);
}
inline QString PointWithoutValue(const QString& point, const QString& what)
{
    return QStringLiteral("Point %1 has no %2.\nNothing was uploaded.").arg(point, what);
}
inline QString ElementWithoutValue(int row, const QString& what)
{
    return QStringLiteral("The alignment element in row %1 has no %2.\nNothing was uploaded.").arg(row).arg(what);
}
} // namespace UploadTexts
