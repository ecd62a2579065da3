#include "core/results/job_source.h"

#include "core/views/list_rows.h"

Outcome ReadJobRows(CProjectStore& store, DataKind kind, QList<JobRow>& rows)
{
    rows.clear();
    CListReader reader(store, kind);
    const int columns = reader.ColumnCount();
    // Both lists open with ID and ATTR; the meas list's third column on is the table's value
    // columns, the version 2 list's third is MARK and then DATA1 on.
    const bool v2 = kind == DataKind::V2Meas;
    QStringList values;
    while (reader.Next())
    {
        values.clear();
        for (int column = v2 ? 3 : 2; column < columns; ++column)
            values << reader.Text(column);
        const qint64 id = reader.Text(0).toLongLong();
        const QString attr = reader.Text(v2 ? 2 : 1);
        rows << (v2 ? JobRowFromV2Meas(id, attr, values) : JobRowFromMeas(id, attr, values));
    }
    if (reader.Failed())
        return Status::DatabaseError;
    return rows.isEmpty() ? Status::NoRecords : Status::Done;
}

Outcome ReadJobSetups(CProjectStore& store, DataKind kind, QList<Setup>& setups, const FaceTolerance& tolerance)
{
    QList<JobRow> rows;
    const Outcome read = ReadJobRows(store, kind, rows);
    setups = read.Succeeded() ? ReadSetups(rows, tolerance) : QList<Setup>{};
    return read;
}
