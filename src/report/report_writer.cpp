#include "report/report_writer.h"

#include "core/files/gbk_text.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace
{
Outcome WriteText(const QString& path, const ReportDocument& document)
{
    CTextFileWriter writer(path);
    if (!writer.Open())
        return Status::FileNotWritable;
    for (const QString& line : ReportAsText(document).split(QLatin1Char('\n')))
        writer.WriteLine(line);
    return writer.Commit() ? Status::Done : Status::FileNotWritable;
}

Outcome WritePdf(const QString& path, const ReportDocument& document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::FileNotWritable;
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("MERION"));
        PrintReport(document, writer);
    }
    return file.commit() ? Status::Done : Status::FileNotWritable;
}
} // namespace

void PrintReport(const ReportDocument& document, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    QTextDocument text;
    QFont font = text.defaultFont();
    font.setPointSizeF(8.5);
    text.setDefaultFont(font);
    text.setHtml(ReportAsHtml(document));
    text.print(&device);
}

Outcome WriteReport(const QString& path, const ReportDocument& document)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return WritePdf(path, document);
    return WriteText(path, document);
}
