#include "core/files/sdcard_files.h"

#include "core/download/number_text.h"
#include "core/files/files_texts.h"
#include "core/files/gbk_text.h"
#include "core/report/reporter.h"
#include "core/store/project_files.h"
#include "core/store/project_store.h"
#include "core/store/schema.h"
#include "core/store/sql_text.h"
#include "core/store/statement.h"

#include <QDir>
#include <QFileInfo>

namespace
{
constexpr int DataHeaderWidth = 126;
constexpr int DataLineWidth = 254;
constexpr int IndexHeaderWidth = 18;
constexpr int IndexNameWidth = 14;

struct Point
{
    QByteArray name; // GBK
    double north = 0.0;
    double east = 0.0;
    double height = 0.0;
};

// A coordinate that is no number, an empty text or no value at all is written as 0.
double CoordinateOf(const QVariant& value)
{
    return value.isNull() ? 0.0 : LeadingNumber(value.toString());
}

// Fixed-width fields are counted in bytes, as the instrument reads them; a longer line stays longer.
QByteArray Padded(QByteArray line, int width)
{
    if (line.size() < width)
        line.append(width - line.size(), ' ');
    return line;
}

bool ReadPoints(CProjectStore& store, QList<Point>& points, int& total)
{
    CStatement rows(store, Sql("select %1,%2,%3,%4 from %5", {Col::SN, Col::NCOOR, Col::ECOOR, Col::ZCOOR, Tbl::CoorEdit}));
    total = 0;
    while (rows.Next())
    {
        if (++total > SdCard::MaxPoints)
            continue;
        points.append({EncodeGbk(rows.Text(0)), CoordinateOf(rows.Value(1)), CoordinateOf(rows.Value(2)),
                       CoordinateOf(rows.Value(3))});
    }
    return !rows.Failed();
}

bool CreateFolder(const QString& parentFolder, const QString& folderName)
{
    if (parentFolder.trimmed().isEmpty() || folderName.trimmed().isEmpty())
        return false;
    const QDir parent(parentFolder);
    if (!parent.exists() || QFileInfo::exists(parent.filePath(folderName)))
        return false;
    return parent.mkdir(folderName);
}
} // namespace

QString SdCardJobName(int jobIndex)
{
    return QStringLiteral("JOB%1").arg(jobIndex + 1);
}

Outcome WriteSdCardJob(CProjectStore& store, const QString& parentFolder, const QString& folderName, int jobIndex)
{
    IReporter& reporter = store.Reporter();
    QList<Point> points;
    int total = 0;
    if (!ReadPoints(store, points, total))
        return {Status::DatabaseError};

    // The folder is made inside the parent, never beside or above it.
    if (folderName.contains(QLatin1Char('/')) || folderName.contains(QLatin1Char('\\')) ||
        folderName.trimmed() == QLatin1String(".") || folderName.trimmed() == QLatin1String(".."))
        return {Status::NotPlainName, folderName};
    const QString target = QDir(parentFolder).filePath(folderName);
    if (const Outcome chosen = CheckChosenFile(target, store.DatabasePath()); !chosen.Succeeded())
        return chosen;
    if (!CreateFolder(parentFolder, folderName))
        return {Status::PathNotCreated};
    const QDir folder(target);
    const QString job = SdCardJobName(jobIndex);
    CTextFileWriter data(folder.filePath(job + QStringLiteral(".DAT")));
    CTextFileWriter index(folder.filePath(job + QStringLiteral(".INX")));
    // Nothing half-written stays behind, and the folder goes too, so a retry may use its name.
    const auto abandon = [&](const Outcome& outcome) {
        data.Cancel();
        index.Cancel();
        QFile::remove(folder.filePath(job + QStringLiteral(".DAT")));
        QFile::remove(folder.filePath(job + QStringLiteral(".INX")));
        QDir(parentFolder).rmdir(folderName);
        return outcome;
    };
    if (!data.Open() || !index.Open())
        return abandon({Status::FileNotWritable});

    // The headers count the points that follow, so the instrument never waits for more.
    const int count = int(points.size());
    const bool full = total > SdCard::MaxPoints;
    data.WriteLineBytes(Padded(QString::asprintf(" %s,%4d,%4d,%2d,%7.6f,%1d,%1d,%1d,%1d,%1d,%4f,%4.1f,",
                                                 qPrintable(job), count, count, jobIndex, 1.0, 1, 1, 1, 1, 1,
                                                 23.0, 1023.0)
                                   .toLatin1(),
                               DataHeaderWidth));
    for (const Point& point : points)
        data.WriteLineBytes(Padded(QByteArrayLiteral("c,") + point.name +
                                       QString::asprintf(",%.4f,%.4f,%.4f,", point.north, point.east, point.height)
                                           .toLatin1(),
                                   DataLineWidth));
    if (full)
        reporter.Message(FilesTexts::MemoryFull, MessageIcon::Exclamation);

    index.WriteLineBytes(Padded(QString::asprintf(" %4d,%4d,%2d,", count, count, jobIndex).toLatin1(), IndexHeaderWidth));
    for (const Point& point : points)
        index.WriteLineBytes(QByteArrayLiteral("A ") + Padded(point.name, IndexNameWidth));
    if (full)
        reporter.Message(FilesTexts::MemoryFull, MessageIcon::Exclamation);

    if (const Outcome written = data.Commit(); !written.Succeeded())
        return abandon(written);
    if (const Outcome written = index.Commit(); !written.Succeeded())
        return abandon(written);
    return {full ? Status::MemoryFull : Status::Done, FilesTexts::Success};
}
