#include "core/results/result_csv.h"

#include "core/results/fixed_number.h"
#include "core/compute/angles.h"
#include "core/files/field_line.h"
#include "core/files/gbk_text.h"

#include <functional>

namespace
{
QString Degrees(double radians)
{
    return FixedNumber(Angles::ToDegrees(radians), 6);
}

Outcome WriteCsv(const QString& path, const QString& header, const std::function<void(CTextFileWriter&)>& rows)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
        return Status::FileNotWritable;
    writer.WriteLine(header);
    rows(writer);
    return writer.Commit();
}

QString Joined(const QStringList& fields)
{
    return CsvLine(fields);
}
} // namespace

Outcome WritePointsCsv(const QString& path, const PolarResult& result)
{
    return WriteCsv(path, QStringLiteral("PT,STATION,N,E,Z,CODE,DN,DE,DZ"), [&](CTextFileWriter& writer) {
        for (const ComputedPoint& p : result.points)
            writer.WriteLine(Joined({p.point, p.station, FixedNumber(p.n, 4), FixedNumber(p.e, 4), FixedNumber(p.z, 4), p.code,
                                     FixedNumber(p.dnMm, 1), FixedNumber(p.deMm, 1), FixedNumber(p.dzMm, 1)}));
    });
}

Outcome WriteFacesCsv(const QString& path, const QList<FaceCheck>& checks)
{
    return WriteCsv(path, QStringLiteral("STATION,PT,HA,VA,C2,INDEX"), [&](CTextFileWriter& writer) {
        for (const FaceCheck& check : checks)
            for (const FacePair& pair : check.pairs)
                writer.WriteLine(Joined({check.station, pair.target, Degrees(pair.ha), Degrees(pair.va),
                                         FixedNumber(pair.c2Seconds, 1), FixedNumber(pair.indexSeconds, 1)}));
    });
}

Outcome WriteTraverseCsv(const QString& path, const TraverseResult& result)
{
    return WriteCsv(path, QStringLiteral("PT,N,E"), [&](CTextFileWriter& writer) {
        for (const TraversePoint& point : result.points)
            writer.WriteLine(Joined({point.name, FixedNumber(point.n, 4), FixedNumber(point.e, 4)}));
    });
}
