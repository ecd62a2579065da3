#include "core/geodesy/map_export.h"

#include "core/geodesy/geodesy_texts.h"
#include "core/geodesy/listed_points.h"
#include "core/geodesy/point_transform.h"
#include "core/geodesy/system_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cmath>

namespace
{
// WGS84 longitude and latitude, what every map and globe reads.
constexpr int Wgs84 = 4326;
// A folder for the points without a code: file content, the same in every language.
const QString NoCodeFolder = QStringLiteral("no code");

struct Mapped
{
    Outcome outcome;
    ListedPoints points; // north and east now latitude and longitude
};

Mapped MapPoints(CProjectStore& store)
{
    bool readFailed = false;
    const CoordinateSystem from = ReadProjectSystem(store, &readFailed);
    if (readFailed)
        return {{Status::DatabaseError}, {}};
    if (!from.IsSet())
        return {{Status::NoCoordinateSystem}, {}};
    const CPointTransform transform(from, CoordinateSystem::Epsg(Wgs84));
    if (!transform.Prepared().Succeeded())
        return {transform.Prepared(), {}};
    Mapped mapped{{}, ReadListedPoints(store)};
    if (mapped.points.readFailed)
        return {{Status::DatabaseError}, {}};
    const qsizetype failed = transform.Apply(mapped.points.north, mapped.points.east);
    if (failed >= 0)
        mapped.outcome = {Status::CannotCompute,
                          GeodesyTexts::PointNotTransformed.Arg(QString::fromUtf8(mapped.points.rows[mapped.points.placed[size_t(failed)]].name))};
    return mapped;
}

// Nine decimals of a degree are a tenth of a millimetre: the survey's own precision survives.
double Rounded(double value, int decimals)
{
    const double factor = std::pow(10.0, decimals);
    return std::round(value * factor) / factor;
}

QString Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

Outcome Written(QSaveFile& file, const ListedPoints& points)
{
    if (!file.commit())
        return {Status::FileNotWritable};
    return PointsTransformed(points);
}
} // namespace

Outcome ExportPointsKml(CProjectStore& store, const QString& path)
{
    const Mapped mapped = MapPoints(store);
    if (!mapped.outcome.Succeeded())
        return mapped.outcome;
    const ListedPoints& points = mapped.points;
    // The placed points by code, codes in the order they first appear.
    QStringList codes;
    QHash<QString, QList<size_t>> byCode;
    for (size_t i = 0; i < points.placed.size(); ++i)
    {
        const QString code = QString::fromUtf8(points.rows[points.placed[i]].code).trimmed();
        if (!byCode.contains(code))
            codes << code;
        byCode[code] << i;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Status::FileNotWritable};
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("kml"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.opengis.net/kml/2.2"));
    xml.writeStartElement(QStringLiteral("Document"));
    for (const QString& code : codes)
    {
        xml.writeStartElement(QStringLiteral("Folder"));
        xml.writeTextElement(QStringLiteral("name"), code.isEmpty() ? NoCodeFolder : code);
        for (const size_t i : byCode.value(code))
        {
            const ListedPoints::Row& row = points.rows[points.placed[i]];
            const QString height = points.hasHeight[i] ? Fixed(points.height[i], 3) : QString();
            xml.writeStartElement(QStringLiteral("Placemark"));
            xml.writeTextElement(QStringLiteral("name"), QString::fromUtf8(row.name).trimmed());
            xml.writeStartElement(QStringLiteral("ExtendedData"));
            for (const auto& [name, value] : {std::pair{QStringLiteral("code"), code},
                                              std::pair{QStringLiteral("height"), height}})
            {
                xml.writeStartElement(QStringLiteral("Data"));
                xml.writeAttribute(QStringLiteral("name"), name);
                xml.writeTextElement(QStringLiteral("value"), value);
                xml.writeEndElement();
            }
            xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("Point"));
            xml.writeTextElement(QStringLiteral("coordinates"),
                                 QStringLiteral("%1,%2,%3").arg(Fixed(points.east[i], 9), Fixed(points.north[i], 9),
                                                                Fixed(points.height[i], 3)));
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    if (xml.hasError())
        return {Status::FileNotWritable};
    return Written(file, points);
}

Outcome ExportPointsGeoJson(CProjectStore& store, const QString& path)
{
    const Mapped mapped = MapPoints(store);
    if (!mapped.outcome.Succeeded())
        return mapped.outcome;
    const ListedPoints& points = mapped.points;
    QJsonArray features;
    for (size_t i = 0; i < points.placed.size(); ++i)
    {
        const ListedPoints::Row& row = points.rows[points.placed[i]];
        const QJsonValue height = points.hasHeight[i] ? QJsonValue(Rounded(points.height[i], 3)) : QJsonValue();
        QJsonArray position{Rounded(points.east[i], 9), Rounded(points.north[i], 9)};
        if (points.hasHeight[i])
            position.append(height);
        features.append(QJsonObject{
            {QStringLiteral("type"), QStringLiteral("Feature")},
            {QStringLiteral("geometry"),
             QJsonObject{{QStringLiteral("type"), QStringLiteral("Point")}, {QStringLiteral("coordinates"), position}}},
            {QStringLiteral("properties"), QJsonObject{{QStringLiteral("name"), QString::fromUtf8(row.name).trimmed()},
                                                       {QStringLiteral("code"), QString::fromUtf8(row.code).trimmed()},
                                                       {QStringLiteral("height"), height}}},
        });
    }
    const QJsonObject collection{{QStringLiteral("type"), QStringLiteral("FeatureCollection")},
                                 {QStringLiteral("features"), features}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(collection).toJson(QJsonDocument::Compact)) < 0)
        return {Status::FileNotWritable};
    return Written(file, points);
}
