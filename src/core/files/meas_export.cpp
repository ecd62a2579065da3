#include "core/files/meas_export.h"

#include "core/download/number_text.h"
#include "core/files/field_line.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/views/list_rows.h"

#include <cmath>

namespace
{
// Columns of the 740Meas list.
namespace Meas
{
constexpr int Attr = 1, Sn = 2, North = 3, East = 4, Height = 5, Code = 6, Ph = 7, Hd = 9, Ih = 10, Ha = 11,
              Va = 12, Sd = 13;
}

constexpr int MeasColumns = 15;
constexpr int V2MeasColumns = 23;

// Column of DATAn in the 520Meas list; the type mark stands before DATA1.
constexpr int V2Mark = 2;
constexpr int V2Data(int n)
{
    return n + 2;
}

// The instrument's angles are in half arc-seconds.
constexpr double HalfSecondsInDegrees = 0.0001388888888888889;
// Degrees to radians as the surveyors' older files were computed (π taken as 3.1415926); kept
// so that distances match those files to the last decimal.
constexpr double RadiansPerDegree = 0.017453292222222222;

// A negative angle keeps its sign in front of the whole text ("-12.3000"), never in the middle.
QString DmsText(bool negative, double degrees, int minutes, int seconds)
{
    QString text = QString::asprintf("%.0f.%02d%02d", degrees, minutes, seconds);
    if (negative && (degrees != 0 || minutes != 0 || seconds != 0))
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Cell(const QStringList& row, int column)
{
    return row.value(column);
}

double Number(const QString& text)
{
    return LeadingNumber(QStringView(text).trimmed());
}

// √(a² − b²), or no number when b is the longer distance.
double Leg(double a, double b)
{
    return std::sqrt(a * a - b * b);
}

// East, north and height of a row in the chosen order.
QStringList Position(const QString& east, const QString& north, const QString& height, CoordinateOrder order)
{
    return order == CoordinateOrder::EastNorth ? QStringList{east, north, height} : QStringList{north, east, height};
}

// The header line is file content, the same in every language.
QString Header(CoordinateOrder order)
{
    return order == CoordinateOrder::EastNorth ? QStringLiteral("PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE")
                                               : QStringLiteral("PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE");
}

QString Comma()
{
    return QStringLiteral(",");
}

// A 740Meas observation: its own texts, and the coordinates of the "Measure" row after it.
QStringList MeasurementLine(const QStringList& row, const QStringList& next, const QString& instrumentHeight,
                        CoordinateOrder order, AngleStyle angles)
{
    const QString va = Cell(row, Meas::Va).trimmed();
    const QString sd = Cell(row, Meas::Sd).trimmed();
    const double zenith = LeadingNumber(va) * RadiansPerDegree;
    const double slope = LeadingNumber(sd);
    const bool dms = angles == AngleStyle::Dms;
    QStringList fields{Cell(row, Meas::Sn)};
    fields << Position(Cell(next, Meas::East), Cell(next, Meas::North), Cell(next, Meas::Height), order);
    fields << instrumentHeight << Cell(row, Meas::Ph)
           << (dms ? DegreesToDmsRounded(Number(Cell(row, Meas::Ha))) : Cell(row, Meas::Ha))
           << (dms ? DegreesToDmsRounded(LeadingNumber(va)) : va) << sd
           << FormatComputed(std::fabs(slope * std::sin(zenith))) << FormatComputed(std::fabs(slope * std::cos(zenith)))
           << Cell(row, Meas::Code);
    return fields;
}

QString V2Angle(const QString& halfSeconds, AngleStyle angles)
{
    const double degrees = Number(halfSeconds) * HalfSecondsInDegrees;
    return angles == AngleStyle::Dms ? DegreesToDmsTruncated(degrees) : FormatComputed(degrees);
}
} // namespace

QString DegreesToDmsRounded(double degrees)
{
    if (!std::isfinite(degrees))
        return {};
    const double x = std::fabs(degrees);
    double d = std::trunc(x);
    int m = int(std::trunc((x - d) * 60));
    int s = int(std::trunc(x * 3600 - d * 3600 - m * 60 + 0.5));
    if (s >= 60)
    {
        ++m;
        s = 0;
    }
    if (m >= 60)
    {
        d += 1;
        m = 0;
    }
    return DmsText(degrees < 0, d, m, s);
}

QString DegreesToDmsTruncated(double degrees)
{
    if (!std::isfinite(degrees))
        return {};
    // Angles arrive as whole half-seconds times 1/7200, which floating point can leave a hair
    // below the second they stand for (327600 gives 45.4999…): truncating that would lose a
    // whole second, so values within a few microseconds of the next second count as it.
    const double x = std::fabs(degrees) + 1e-9;
    const double d = std::trunc(x);
    const double r = (x - d) * 60;
    const int m = int(std::trunc(r));
    const int s = int(std::trunc((r - m) * 60));
    return DmsText(degrees < 0, d, m, s);
}

QString FormatComputed(double value)
{
    if (!std::isfinite(value))
        return {};
    QString text = QString::asprintf("%.4f", value);
    if (text == QLatin1String("-0.0000"))
        text.remove(0, 1);
    return text;
}

void ShortMeasLines(ShortMeasLayout layout, IListRows& rows, const MeasLineSink& sink)
{
    while (rows.Next())
    {
        const QStringList row = rows.Texts(MeasColumns);
        QStringList fields{Cell(row, Meas::Sn)};
        switch (layout)
        {
        case ShortMeasLayout::Angle:
            fields << Cell(row, Meas::Code) << Cell(row, Meas::Va) << Cell(row, Meas::Ha);
            break;
        case ShortMeasLayout::Hd:
        {
            const QString hd = Cell(row, Meas::Hd).trimmed();
            fields << Cell(row, Meas::Ha) << hd << FormatComputed(Leg(Number(Cell(row, Meas::Sd)), LeadingNumber(hd)));
            break;
        }
        case ShortMeasLayout::Sd:
            fields << Cell(row, Meas::Ha) << Cell(row, Meas::Va) << Cell(row, Meas::Sd);
            break;
        }
        fields << Cell(row, Meas::Ph);
        sink(fields);
    }
}

void FullMeasLines(IListRows& rows, CoordinateOrder order, AngleStyle angles, const MeasLineSink& sink)
{
    sink(Header(order).split(Comma()));
    QString instrumentHeight;
    // Every line takes the coordinates of the row after it, so the last row writes nothing.
    if (!rows.Next())
        return;
    QStringList row = rows.Texts(MeasColumns);
    bool more = rows.Next();
    while (more)
    {
        QStringList next = rows.Texts(MeasColumns);
        bool skip = false;
        const QString attr = Cell(row, Meas::Attr);
        if (attr.contains(QLatin1String("Station")))
        {
            instrumentHeight = Cell(row, Meas::Ih).trimmed();
            sink(QStringList{Cell(row, Meas::Sn)} +
                 Position(Cell(next, Meas::East), Cell(next, Meas::North), Cell(next, Meas::Height), order) +
                 QStringList{instrumentHeight});
        }
        if (attr.contains(QLatin1String("Dist")) && Cell(next, Meas::Attr).contains(QLatin1String("Measure")))
        {
            sink(MeasurementLine(row, next, instrumentHeight, order, angles));
            skip = true;
        }
        if (skip)
        {
            // The observation and its "Measure" row are done: the walk goes on after both.
            if (!rows.Next())
                return;
            next = rows.Texts(MeasColumns);
        }
        row = std::move(next);
        more = rows.Next();
    }
}

void FullV2MeasLines(IListRows& rows, CoordinateOrder order, AngleStyle angles, const MeasLineSink& sink)
{
    sink(Header(order).split(Comma()));
    QString instrumentHeight;
    while (rows.Next())
    {
        const QStringList row = rows.Texts(V2MeasColumns);
        const auto data = [&row](int n) { return Cell(row, V2Data(n)); };
        const QString mark = Cell(row, V2Mark);
        // Station: name, north, east, height, instrument height.
        if (mark.contains(QLatin1String("Station")))
        {
            instrumentHeight = data(5).trimmed();
            sink(QStringList{data(1)} + Position(data(3), data(2), data(4), order) + QStringList{instrumentHeight});
        }
        // Stake point: name, north, east, height.
        if (mark.contains(QLatin1String("Stake Point")))
            sink(QStringList{data(1)} + Position(data(4), data(3), data(5), order));
        // Angle and distance: the point's name and position, the heights, angles and distances, its code.
        if (mark.contains(QLatin1String("Angle,Dist")))
        {
            const QString hd = data(4).trimmed();
            const QString sd = data(5).trimmed();
            QStringList fields{data(1)};
            fields << Position(data(9), data(8), data(10), order) << instrumentHeight << data(7)
                   << V2Angle(data(2), angles) << V2Angle(data(3), angles) << sd << hd
                   << FormatComputed(Leg(LeadingNumber(sd), LeadingNumber(hd))) << data(19);
            sink(fields);
        }
    }
}

namespace
{
template <typename Produce>
QStringList Collected(const QList<QStringList>& rows, Produce produce)
{
    CMemoryListRows memory(rows);
    QStringList lines;
    produce(memory, [&lines](const QStringList& fields) { lines << fields.join(Comma()); });
    return lines;
}
} // namespace

QStringList ShortMeasLines(ShortMeasLayout layout, const QList<QStringList>& rows)
{
    return Collected(rows, [layout](IListRows& memory, const MeasLineSink& sink) { ShortMeasLines(layout, memory, sink); });
}

QStringList FullMeasLines(const QList<QStringList>& rows, CoordinateOrder order, AngleStyle angles)
{
    return Collected(rows, [=](IListRows& memory, const MeasLineSink& sink) { FullMeasLines(memory, order, angles, sink); });
}

QStringList FullV2MeasLines(const QList<QStringList>& rows, CoordinateOrder order, AngleStyle angles)
{
    return Collected(rows,
                     [=](IListRows& memory, const MeasLineSink& sink) { FullV2MeasLines(memory, order, angles, sink); });
}

Outcome ExportMeasLines(const QString& path, const std::function<void(const MeasLineSink&)>& produce,
                        const IListRows* rows)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
        return {Status::FileNotWritable};
    CFieldLine line(",", IsCsvPath(path));
    qlonglong number = 0;
    Outcome refused;
    produce([&](const QStringList& fields) {
        if (!refused.Succeeded())
            return;
        ++number;
        line.Clear();
        for (const QString& field : fields)
            line.Add(field.toUtf8());
        if (!line.BrokenField().isEmpty())
            refused = {Status::BadRow, FilesTexts::FieldBreaksColumns(number, QString::fromUtf8(line.BrokenField()))};
        else
            writer.WriteUtf8Line(line.Line());
    });
    if (!refused.Succeeded())
    {
        writer.Cancel();
        return refused;
    }
    if (rows && rows->Failed())
    {
        writer.Cancel();
        return {Status::DatabaseError};
    }
    const Outcome written = writer.Commit();
    if (!written.Succeeded())
        return written;
    return Outcome::DoneSaying(FilesTexts::ExportDataSuccess);
}
