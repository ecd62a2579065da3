#include "report/report_writer.h"

#include "core/files/atomic_file.h"
#include "core/files/gbk_text.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
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
    return writer.Commit();
}

Outcome WritePdf(const QString& path, const ReportDocument& document)
{
    CAtomicFile file(path);
    if (!file.Open())
        return Status::FileNotWritable;
    {
        QPdfWriter writer(&file.Device());
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("MERION"));
        PrintReport(document, writer);
    }
    return file.Commit();
}
} // namespace

void PrintReport(const ReportDocument& document, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    // Laid out on the device itself and paginated to its printable area: a document without a
    // page size is printed through a copy that adds 2 cm of its own to the page's margins and
    // breaks tables where the screen's layout, not the page's, says a page ends.
    QTextDocument text;
    text.documentLayout()->setPaintDevice(&device);
    QFont font = text.defaultFont();
    font.setPointSizeF(8.5);
    text.setDefaultFont(font);
    text.setDocumentMargin(0);
    text.setHtml(ReportAsHtml(document));
    text.setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    text.print(&device);
}

Outcome WriteReport(const QString& path, const ReportDocument& document)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return WritePdf(path, document);
    return WriteText(path, document);
}
