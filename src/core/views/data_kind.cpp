#include "core/views/data_kind.h"

#include <QList>

namespace
{
struct KindEntry
{
    DataKind kind;
    const char* word;
    const char* table;
};

const QList<KindEntry>& Entries()
{
    static const QList<KindEntry> entries = {
        {DataKind::Coor, "coor", "CoorEdit"},
        {DataKind::Code, "code", "CodeEdit"},
        {DataKind::Meas, "meas", "740Meas"},
        {DataKind::V2Meas, "v2meas", "520Meas"},
        {DataKind::RoadStake, "roadstake", "520RoadStake"},
        {DataKind::XSect, "xsect", "520BreakerSur"},
        {DataKind::Alignment, "alignment", "520SurLine"},
        {DataKind::Calc, "calc", "CalcCoor"},
    };
    return entries;
}
} // namespace

QString TableOf(DataKind kind)
{
    for (const KindEntry& entry : Entries())
        if (entry.kind == kind)
            return QString::fromLatin1(entry.table);
    return {};
}

QString FillStatementOf(DataKind kind)
{
    // The alignment is a chain of elements: it reads in the order of its start chainages.
    if (kind == DataKind::Alignment)
        return QStringLiteral("select * from 520SurLine order by STARTDIST ASC");
    const QString table = TableOf(kind);
    return table.isEmpty() ? QString() : QStringLiteral("select * from ") + table;
}

QString ListOrderOf(DataKind kind)
{
    // The alignment is a chain of elements: it reads in the order of its start chainages
    // (elements at the same chainage in the order they were stored).
    return kind == DataKind::Alignment ? QStringLiteral("STARTDIST ASC, rowid") : QString();
}

std::optional<DataKind> DataKindFromName(const QString& name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    for (const KindEntry& entry : Entries())
    {
        if (isNumber ? NumberOf(entry.kind) == number : name == QLatin1String(entry.word))
            return entry.kind;
    }
    return std::nullopt;
}
