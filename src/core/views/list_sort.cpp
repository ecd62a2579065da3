#include "core/views/list_sort.h"

#include "core/store/engine_sql.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"
#include "core/views/list_layout.h"
#include "core/views/natural_order.h"

#include <QByteArray>

#include <algorithm>

namespace
{
// Rows read, or sorted, between two looks at the stop flag.
constexpr qint64 Step = 65536;

// A row as the sort holds it: a million of them are sorted in memory, their texts side by side
// in one buffer.
struct Entry
{
    qint64 rowid;
    double number;
    quint32 offset;
    quint32 length;
    bool isNumber;
};

bool Stopped(const std::atomic<bool>* stop)
{
    return stop && stop->load();
}
} // namespace

std::optional<std::vector<qint64>> SortedRowids(CProjectStore& store, DataKind kind, int column, bool descending,
                                                const std::atomic<bool>* stop, const SortProgress& progress)
{
    const QList<ListColumn>& layout = ListLayoutOf(kind);
    const QString table = TableOf(kind);
    if (column < 0 || column >= layout.size() || table.isEmpty())
        return std::nullopt;
    const QString source = QuotedName(layout[column].source);
    CStatement count(store, QStringLiteral("select count(*) from ") + QuotedName(table));
    if (!count.Next())
        return std::nullopt;
    const qint64 total = count.Integer(0);
    // Reading is one half of the work, sorting the other.
    const auto tell = [&](qint64 done) {
        if (progress)
            progress(done, 2 * total);
    };

    CStatement query(store, QStringLiteral("select %1, %2, %3 from %4")
                                .arg(EngineSql::RowId(), EngineSql::StoredAsNumber(source), source, QuotedName(table)));
    std::vector<Entry> entries;
    entries.reserve(size_t(total));
    QByteArray texts;
    while (query.Next())
    {
        const SortKey key = SortKeyOf(query.Utf8(2), query.Integer(1) != 0);
        entries.push_back({query.Integer(0), key.number, quint32(texts.size()), quint32(key.text.size()), key.isNumber});
        texts.append(key.text);
        if (entries.size() % Step == 0)
        {
            if (Stopped(stop))
                return std::nullopt;
            tell(qint64(entries.size()));
        }
    }
    if (query.Failed() || Stopped(stop))
        return std::nullopt;
    tell(total);

    const auto keyOf = [&texts](const Entry& entry) {
        return SortKey{entry.isNumber, entry.number, QByteArrayView(texts.constData() + entry.offset, entry.length)};
    };
    const auto before = [&](const Entry& a, const Entry& b) {
        const int order = CompareSortKeys(keyOf(a), keyOf(b));
        if (order != 0)
            return descending ? order > 0 : order < 0;
        return a.rowid < b.rowid;
    };
    // Sorted in pieces and merged, so that the flag is seen and progress told throughout.
    const qint64 size = qint64(entries.size());
    const auto at = [&entries](qint64 index) { return entries.begin() + index; };
    for (qint64 begin = 0; begin < size; begin += Step)
    {
        std::sort(at(begin), at(std::min(size, begin + Step)), before);
        if (Stopped(stop))
            return std::nullopt;
        tell(total + std::min(size, begin + Step) / 2);
    }
    int levels = 0;
    for (qint64 width = Step; width < size; width *= 2)
        ++levels;
    int level = 0;
    for (qint64 width = Step; width < size; width *= 2)
    {
        for (qint64 low = 0; low + width < size; low += 2 * width)
        {
            std::inplace_merge(at(low), at(low + width), at(std::min(size, low + 2 * width)), before);
            if (Stopped(stop))
                return std::nullopt;
        }
        tell(total + total / 2 + total * ++level / (2 * levels));
    }
    tell(2 * total);

    std::vector<qint64> rowids;
    rowids.reserve(entries.size());
    for (const Entry& entry : entries)
        rowids.push_back(entry.rowid);
    return rowids;
}
