#include "core/download/v2_record_names.h"

#include "core/download/number_text.h"

#include <QHash>
#include <QStringList>

namespace
{
const QString Unnamed = QStringLiteral("");

// Names by a code alone.
const QHash<QString, QString>& PlainNames()
{
    static const QHash<QString, QString> names = {
        {"A", "Station"},
        {"B", "Stake Point"},
        {"C", "Stake Measure"},
        {"D", "Stake Result"},
        {"E", "Stake Adjust"},
        {"F", "Angle,Dist Measurement"},
        {"G", "Angle,Dist Measurement"},
        {"H", "Refer Target Point"},
        {"I", "Offset Measure Input"},
        {"J", "Stake Out Result"},
        {"K", "Free Stake"},
        {"L", "Height Transmit"},
        {"M", "Missing line Measure Result"},
        {"N", "Area&Volume Measure Result"},
        {"R", "Remote Elevation Measure Result"},
        {"U", "Code"},
    };
    return names;
}

// The name at position number - first of a list, or none.
QString NumberedName(const QStringList& names, qlonglong number, int first)
{
    const qlonglong at = number - first;
    return at >= 0 && at < names.size() ? names[at] : Unnamed;
}

QString CogoResultName(const QString& data1)
{
    if (data1 == QLatin1String("0"))
        return QStringLiteral("COGO Inverse Result");
    if (data1 == QLatin1String("6"))
        return QStringLiteral("Perpendicular Foot Result");
    if (data1 == QLatin1String("9"))
        return QStringLiteral("COGO Stake Out Result");
    static const QStringList plain = {"1", "2", "3", "5", "7", "8"};
    return plain.contains(data1) ? QStringLiteral("COGO Result") : Unnamed;
}
} // namespace

QString RecordTypeName(const QString& code, const QString& data1)
{
    const auto plain = PlainNames().constFind(code);
    if (plain != PlainNames().constEnd())
        return plain.value();
    if (code == QLatin1String("P"))
    {
        static const QStringList names = {
            "COGO Traverse Input",          "COGO Angle-Angle Input",        "COGO Angle-Line Input",
            "COGO Line-Line Input",         "COGO Four Point Intersection",  "COGO Perpendicular Foot Input",
            "COGO Side Point Input",        "COGO Extend Point Input"};
        return NumberedName(names, LeadingInteger(data1), 1);
    }
    if (code == QLatin1String("Q"))
        return CogoResultName(data1);
    if (code == QLatin1String("S"))
    {
        static const QStringList names = {"Ref.Line Line Translation", "Ref.line Line Offset",
                                          "Ref.line Stake Out Result"};
        return NumberedName(names, LeadingInteger(data1), 0);
    }
    if (code == QLatin1String("T"))
    {
        static const QStringList names = {"Ref.arc Result", "Ref.arc Stake Out Point", "Ref.arc Stake Out Arc",
                                          "Ref.arc Stake Out Chord", "Ref.arc Stake Out Angle"};
        return NumberedName(names, LeadingInteger(data1), 3);
    }
    return Unnamed;
}

QString ModeName(const QString& field)
{
    static const QStringList names = {"Measurement",
                                      "Stake Out",
                                      "COGO",
                                      "Free Station",
                                      "Missing Line Measurement",
                                      "Area&Volume Measurement",
                                      "Remote Elevation Measurement",
                                      "Ref.line",
                                      "Building Line",
                                      "Traverse Measurement",
                                      "Road Stake Out",
                                      "Height Transmit",
                                      "Hiding Point"};
    return NumberedName(names, LeadingInteger(field), 0);
}
