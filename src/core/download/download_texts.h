#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the download: the dialog's captions and the messages of a transfer.
namespace DownloadTexts
{
inline const QString Title = QStringLiteral("下载数据");
inline const QString InstrumentLabel = QStringLiteral("仪器类型:");
inline const QString DownloadTypeLabel = QStringLiteral("下载类型:");
inline const QString ParseButton = QStringLiteral("解析下载");
inline const QString RawButton = QStringLiteral("下载原始数据");
inline const QString CancelButton = QStringLiteral("取消");
inline const QString Note = QStringLiteral("注：数据下载时，请勿做其它操作!");
inline const QStringList Instruments = {QStringLiteral("T5/T5+"), QStringLiteral("T8")};

inline const QString WaitTimeout = QStringLiteral("Wait Timeout");
inline const QString ConnectTimeout = QStringLiteral("Connect Timeout!");
inline const QString OpenFileFailed = QStringLiteral("Open file failed!");
inline const QString NoFileChosen = QStringLiteral("Can not Create a file dialog!");
// The line went away in the middle of a download.
inline QString Interrupted(qint64 bytes)
{
    return QStringLiteral("Download Interrupted! %1 bytes received.").arg(bytes);
}
inline const QString NoRecords =
    QStringLiteral("The received data holds no record.\nThe stored data is unchanged.");
// Where the received bytes are when the user chose no file for them.
inline QString KeptIn(const QString& path)
{
    return QStringLiteral("The received data is kept in\n%1").arg(path);
}
inline QString NotKept(const QString& path, const QString& reason)
{
    return QStringLiteral("The received data could not be kept in %1: %2").arg(path, reason);
}
inline const QString RawFileFilter = QStringLiteral("*.txt (*.txt);;*.* (*)");

// The row attribute of a measurement row is this prefix and the kind name.
inline const QString MeasAttrPrefix = QStringLiteral("T5(T8)_Meas_");
inline const QString CoorAttr = QStringLiteral("T5(T8)_COOR");

// The T8 version 2 records: the download types of its instrument entry, in download-type order,
// and the row attributes of its parsers.
inline const QString V2Instrument = QStringLiteral("T8 V2");
inline const QStringList V2DownloadTypes = {QStringLiteral("Meas-Data"), QStringLiteral("Coor-Data"),
                                            QStringLiteral("Road Stake Out"), QStringLiteral("X-Sect Measurement"),
                                            QStringLiteral("Plane Alignment Element")};
inline const QString V2MeasAttr = QStringLiteral("T8_V2_Meas");
inline const QString V2CoorAttr = QStringLiteral("T8_V2_Coor"); // CoorEdit rows of measurements and stake-outs
inline const QString V2CoorRecordAttr = QStringLiteral("T8_V2_COOR");
inline const QString V2RoadStakeAttr = QStringLiteral("T8_V2_RoadStake");
inline const QString V2XSectAttr = QStringLiteral("T8_V2_BreakerSurface");
inline const QString V2SurfaceLineAttr = QStringLiteral("T8_V2_SurfaceLine");
} // namespace DownloadTexts
