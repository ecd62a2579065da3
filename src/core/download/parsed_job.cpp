#include "core/download/parsed_job.h"

ParsedJob ParseWholeText(IJobParse& parse, const QString& text)
{
    ParsedJob job = parse.Shape();
    const RowSink collect = [&job](int table, const QStringList& row) {
        job.tables[table].rows.append(row);
        return true;
    };
    const QLatin1String lineEnd("\r\n");
    for (qsizetype start = 0;;)
    {
        const qsizetype end = text.indexOf(lineEnd, start);
        if (end < 0)
            break;
        parse.Take(QStringView(text).mid(start, end - start), collect);
        start = end + lineEnd.size();
    }
    job.records = parse.Records();
    return job;
}
