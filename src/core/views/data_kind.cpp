#include "core/views/data_kind.h"

#include <QList>

namespace DataKind
{
namespace
{
struct KindEntry
{
    int kind;
    const char* word;
    const char* table;
};

const QList<KindEntry>& Entries()
{
    static const QList<KindEntry> entries = {
        {Coor, "coor", "CoorEdit"},          {Code, "code", "CodeEdit"},
        {Meas, "meas", "740Meas"},           {V2Meas, "v2meas", "520Meas"},
        {RoadStake, "roadstake", "520RoadStake"}, {XSect, "xsect", "520BreakerSur"},
        {Alignment, "alignment", "520SurLine"},
    };
    return entries;
}
} // namespace

QString TableOf(int kind)
{
    for (const KindEntry& entry : Entries())
        if (entry.kind == kind)
            return QString::fromLatin1(entry.table);
    return {};
}

QString FillStatementOf(int kind)
{
    // The alignment is a chain of elements: it reads in the order of its start chainages.
    if (kind == Alignment)
        return QStringLiteral("select * from 520SurLine order by STARTDIST ASC");
    const QString table = TableOf(kind);
    return table.isEmpty() ? QString() : QStringLiteral("select * from ") + table;
}

std::optional<int> FromName(const QString& name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    for (const KindEntry& entry : Entries())
    {
        if (isNumber ? entry.kind == number : name == QLatin1String(entry.word))
            return entry.kind;
    }
    return std::nullopt;
}
} // namespace DataKind
