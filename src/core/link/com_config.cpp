#include "core/link/com_config.h"

#include "core/link/serial_port.h"
#include "core/store/project_store.h"
#include "core/store/record_set.h"
#include "core/store/transaction.h"

#include <QFile>
#include <QFileInfo>

namespace
{
// A column that holds no number keeps the default of its field.
void ReadCode(const CRecordSet& row, const char* column, int& code)
{
    bool ok = false;
    const int value = row.GetValue(QLatin1String(column)).toInt(&ok);
    if (ok)
        code = value;
}
} // namespace

ComConfig ReadComConfig(CProjectStore& store)
{
    Status ignored = Status::Done;
    return ReadComConfig(store, ignored);
}

ComConfig ReadComConfig(CProjectStore& store, Status& status)
{
    ComConfig config;
    auto row = store.GetRecordSet(QStringLiteral("select * from COMConfig"));
    status = row->IsValid() ? Status::Done : Status::DatabaseError;
    if (row->IsEOF())
        return config;
    ReadCode(*row, "ComPort", config.comPort);
    ReadCode(*row, "BaudRate", config.baudRate);
    ReadCode(*row, "Protocol", config.protocol);
    ReadCode(*row, "DataBit", config.dataBit);
    ReadCode(*row, "StopBit", config.stopBit);
    ReadCode(*row, "ParityBit", config.parityBit);
    return config;
}

bool SaveComConfig(CProjectStore& store, const ComConfig& config)
{
    // Delete and add land together or not at all: a failed add must not leave the
    // transfers without settings.
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return false;
    if (!store.ExecuteSql(QStringLiteral("delete from  COMConfig")))
        return false;
    auto row = store.GetRecordSet(QStringLiteral("select * from COMConfig"));
    if (!row->IsValid())
        return false;
    row->AddNew();
    row->SetValue(QStringLiteral("ComPort"), QString::number(config.comPort));
    row->SetValue(QStringLiteral("BaudRate"), QString::number(config.baudRate));
    row->SetValue(QStringLiteral("Protocol"), QString::number(config.protocol));
    row->SetValue(QStringLiteral("DataBit"), QString::number(config.dataBit));
    row->SetValue(QStringLiteral("StopBit"), QString::number(config.stopBit));
    row->SetValue(QStringLiteral("ParityBit"), QString::number(config.parityBit));
    if (!row->Update())
        return false;
    row.reset();
    return transaction.Commit();
}

QString DevicePathForPort(int port)
{
#ifdef _WIN32
    return QStringLiteral("COM%1").arg(port);
#else
    const QByteArray configured = qgetenv(QStringLiteral("MERION_COM%1").arg(port).toLatin1().constData());
    if (!configured.isEmpty())
        return QString::fromLocal8Bit(configured);
    const QString usb = QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
    if (QFileInfo::exists(usb))
        return usb;
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

LineFraming FramingOf(const ComConfig& config)
{
    return {BaudRateFromIndex(config.baudRate), ByteSizeFromCode(config.dataBit), DcbCodeFromIndex(config.parityBit),
            DcbCodeFromIndex(config.stopBit)};
}

StreamError OpenPort(IByteStream& port, const ComConfig& config, const QString& devicePath)
{
    const QString device = devicePath.isEmpty() ? DevicePathForPort(config.comPort) : devicePath;
    return port.Open(QFile::encodeName(device).toStdString(), FramingOf(config));
}
