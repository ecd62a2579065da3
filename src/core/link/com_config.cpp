#include "core/link/com_config.h"

#include "core/link/serial_port.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/store/transaction.h"

#include <QFile>
#include <QFileInfo>

namespace
{
// The settings' columns in the order of ComConfig's fields.
const QStringList& SettingColumns()
{
    static const QStringList columns = {Col::ComPort, Col::BaudRate, Col::Protocol,
                                        Col::DataBit, Col::StopBit,  Col::ParityBit};
    return columns;
}

QList<int ComConfig::*> SettingFields()
{
    return {&ComConfig::comPort, &ComConfig::baudRate, &ComConfig::protocol,
            &ComConfig::dataBit, &ComConfig::stopBit,  &ComConfig::parityBit};
}
} // namespace

Produced<ComConfig> ReadComConfig(CProjectStore& store)
{
    ComConfig config;
    CStatement row(store, QStringLiteral("select %1 from %2")
                              .arg(QuotedNames(SettingColumns()).join(QLatin1Char(',')), QuotedName(Tbl::COMConfig)));
    const bool found = row.Next();
    const Outcome outcome{row.Failed() ? Status::DatabaseError : Status::Done};
    if (!found)
        return {config, outcome};
    const QList<int ComConfig::*> fields = SettingFields();
    for (int i = 0; i < fields.size(); ++i)
    {
        // A column that holds no number keeps the default of its field.
        bool ok = false;
        const int value = row.Value(i).toInt(&ok);
        if (ok)
            config.*fields[i] = value;
    }
    return {config, outcome};
}

Outcome SaveComConfig(CProjectStore& store, const ComConfig& config)
{
    const Outcome failed{Status::DatabaseError};
    // Delete and add land together or not at all: a failed add must not leave the
    // transfers without settings.
    CTransaction transaction(store);
    if (!transaction.IsActive())
        return failed;
    if (!RunStatement(store, Sql("delete from %1", {Tbl::COMConfig})))
        return failed;
    QVariantList values;
    for (int ComConfig::*field : SettingFields())
        values << config.*field;
    if (!RunStatement(store, InsertInto(Tbl::COMConfig, SettingColumns()), values) || !transaction.Commit())
        return failed;
    return {};
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
