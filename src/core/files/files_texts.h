#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the file commands: messages, dialog captions and list entries.
namespace FilesTexts
{
// Messages.
inline const QString OpenFileFailed = QStringLiteral("Open file failed!");
inline const QString DataExportSuccess = QStringLiteral("Data Export Success!");
inline const QString ExportSuccess = QStringLiteral("Export Success!");
inline const QString MemoryFull = QStringLiteral("Memory Full,Max Records is 2999!");
inline const QString CannotCreatePath = QStringLiteral("Can not create a file path!");
inline const QString CannotSelectPath = QStringLiteral("Can not select a file path!");
inline const QString Success = QStringLiteral("Success!");
inline const QString ExportDataSuccess = QStringLiteral("Export Data Success!");
// An import refuses what is no text of records and keeps the old rows.
inline const QString BinaryFile =
    QStringLiteral("The file is not a text file (it holds binary data): nothing was imported, the old rows are kept.");
inline const QString NoRecords =
    QStringLiteral("No line of the file gives a record: nothing was imported, the old rows are kept.");

// Row origins written by the import.
inline const QString ImportCoorAttr = QStringLiteral("Import_Data");
inline const QString ImportCodeAttr = QStringLiteral("Import_Code Data");

// Import dialog.
inline const QString ImportFilter =
    QStringLiteral("All  Files(*.*);;Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)");
inline const QString DataTypeLabel = QStringLiteral("数据类型(&D):");
inline const QString DataFormatLabel = QStringLiteral("数据格式(&F):");
inline const QStringList DataTypes = {QStringLiteral("(1) 坐标数据"), QStringLiteral("(2) 代码数据"),
                                      QStringLiteral("(3) T5/T5+"), QStringLiteral("(4) T8"),
                                      QStringLiteral("(5) T8 V2")};
inline const QStringList CoorFormats = {
    QStringLiteral("(1) PT#,N,E,Z,PCODE"),     QStringLiteral("(2) PT#,E,N,Z,PCODE"),
    QStringLiteral("(3) PT#,PCODE,N,E,Z"),     QStringLiteral("(4) PT#,PCODE,E,N,Z"),
    QStringLiteral("(5) SN,PT#,PCODE,N,E,Z"),  QStringLiteral("(6) SN,PT#,PCODE,E,N,Z"),
    QStringLiteral("(7) SN,PT#,N,E,Z,PCODE"),  QStringLiteral("(8) SN,PT#,E,N,Z,PCODE")};
inline const QString CodeFormat = QStringLiteral("(1) ID,Code ");
inline const QString MeasFormat = QStringLiteral("(1) Meas_Data");
// The record kinds of a T8 version 2 text, in V2Record order.
inline const QStringList V2Formats = {QStringLiteral("(1) Meas_Data"), QStringLiteral("(2) Coor_Data"),
                                      QStringLiteral("(3) Road Stake Out"), QStringLiteral("(4) X-Sect Measurement"),
                                      QStringLiteral("(5) Plain Alignment Element")};

// Export dialogs.
inline const QString ListExportFilter = QStringLiteral("Excel File(*.csv)");
inline const QString OutputFileFilter = QStringLiteral("Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)");
// The point list can also go to CAD as a drawing.
inline const QString DxfFileFilter = QStringLiteral("DXF Files(*.dxf)");
inline const QString DataExportFilter = QStringLiteral("Text File(*.txt);;DAT File(*.dat)");
inline const QString SeparatorLabel = QStringLiteral("分隔符号(&S):");
inline const QStringList Separators = {QStringLiteral("(1) ','"), QStringLiteral("(2) 'Space'"),
                                       QStringLiteral("(3) 'Tab'")};
inline const QString CurrentListData = QStringLiteral("(0) Current List Data");

// Measurement exports: the short layouts use the data export's filter.
inline const QString MeasExportFilter = QStringLiteral("CSV File(*.csv);;Text File(*.txt);;DAT File(*.dat)");
inline const QString AngleTypeLabel = QStringLiteral("角度类型:");
inline const QStringList AngleTypes = {QStringLiteral("ddd°mm′ss″"), QStringLiteral("ddd.dddd°")};
inline const QString MeasHeaderEn = QStringLiteral("PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
inline const QString MeasHeaderNe = QStringLiteral("PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");

// SD-card dialog.
inline const QString SdCardTitle = QStringLiteral("SD卡文件保存路径");
inline const QString InstrumentLabel = QStringLiteral("仪器类型:");
inline const QStringList Instruments = {QStringLiteral("T5/T5+"), QStringLiteral("T8")};
inline const QString FolderPathLabel = QStringLiteral("文件夹路径:");
inline const QString Browse = QStringLiteral("浏览");
inline const QString FolderNameLabel = QStringLiteral("文件夹名:");
inline const QString FileNameLabel = QStringLiteral("文件名:");
inline const QString Save = QStringLiteral("保存");
inline const QString Cancel = QStringLiteral("取消");
inline const QString FolderPickerTitle = QStringLiteral("Folder Path");
} // namespace FilesTexts
