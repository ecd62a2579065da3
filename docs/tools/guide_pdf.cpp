// Renders the user guide (Markdown chapters and the pictures the build took) into Help.pdf
// (or, with --english, the English chapters into Help-en.pdf): A4 pages, every chapter on a
// new page, a table of contents with page numbers whose entries lead to their pages, the
// viewer's bookmarks, a running footer and page numbers, Chinese fonts embedded by Qt's PDF
// writer. A heading never stands alone at the foot of a page, and a table row is never cut
// in two by a page break.

#include "pdf_outline.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPair>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace
{
// The paragraph that the table of contents replaces, in either language.
const QStringList TocMarkers = {QStringLiteral("[目录]"), QStringLiteral("[Contents]")};
constexpr double BodyPointSize = 10.5;
constexpr QMarginsF PageMarginsMm(20, 18, 20, 14);

struct Heading
{
    int level;
    QString text;
    QTextBlock block;
};

QString ReadChapters(const QStringList& paths, bool& ok)
{
    QString markdown;
    for (const QString& path : paths)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
        {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            ok = false;
            continue;
        }
        markdown += QString::fromUtf8(file.readAll()) + QStringLiteral("\n\n");
    }
    return markdown;
}

// Pictures come from the build's picture folder and are scaled to the text width at most;
// a missing picture stops the build rather than leaving a hole in the guide.
bool PlacePictures(QTextDocument& doc, const QDir& pictures, double textWidth, double pixelScale)
{
    bool ok = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    {
        for (auto it = block.begin(); !it.atEnd(); ++it)
        {
            QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image(pictures.filePath(format.name()));
            if (image.isNull())
            {
                std::fprintf(stderr, "missing picture %s\n", qPrintable(format.name()));
                ok = false;
                continue;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
            const double width = qMin(image.width() * pixelScale, textWidth);
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return ok;
}

void StyleTables(QTextDocument& doc)
{
    for (QTextFrame* frame : doc.rootFrame()->childFrames())
    {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(140, 140, 140));
        format.setBorderCollapse(true);
        format.setCellPadding(8);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column)
        {
            QTextTableCellFormat cell = table->cellAt(0, column).format().toTableCellFormat();
            cell.setBackground(QColor(228, 234, 242));
            table->cellAt(0, column).setFormat(cell);
        }
    }
}

// The headings down to `deepest` (the contents list two levels; every level keeps with its text).
QList<Heading> Headings(const QTextDocument& doc, int deepest = 2)
{
    QList<Heading> headings;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    {
        const int level = block.blockFormat().headingLevel();
        if (level >= 1 && level <= deepest)
            headings.append({level, block.text(), block});
    }
    return headings;
}

// Every chapter (a first-level heading) starts a page, except the title page's own.
void BreakBeforeChapters(const QList<Heading>& headings)
{
    bool first = true;
    for (const Heading& heading : headings)
    {
        if (heading.level != 1)
            continue;
        if (!first)
        {
            QTextCursor cursor(heading.block);
            QTextBlockFormat format = heading.block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
        first = false;
    }
}

// Replaces the marker paragraph with a borderless table: one row per heading, its title on
// the left and its page number at the right edge. Returns the cell position of each number,
// in heading order.
QList<int> InsertContents(QTextDocument& doc, const QList<Heading>& headings)
{
    QList<int> numberPositions;
    QTextBlock marker;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        if (TocMarkers.contains(block.text().trimmed()))
            marker = block;
    const QList<Heading> listed = headings.mid(1); // the title page does not list itself
    if (!marker.isValid() || listed.isEmpty())
        return numberPositions;
    QTextCursor cursor(marker);
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.removeSelectedText();

    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                      QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* table = cursor.insertTable(int(listed.size()), 2, format);
    for (int row = 0; row < listed.size(); ++row)
    {
        const Heading& heading = listed[row];
        QTextCharFormat text;
        text.setFontWeight(heading.level == 1 ? QFont::Bold : QFont::Normal);
        QTextBlockFormat left;
        left.setIndent(heading.level - 1);
        left.setTopMargin(heading.level == 1 ? 8 : 0);
        QTextCursor title = table->cellAt(row, 0).firstCursorPosition();
        title.setBlockFormat(left);
        title.insertText(heading.text, text);
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        right.setTopMargin(left.topMargin());
        QTextCursor number = table->cellAt(row, 1).firstCursorPosition();
        number.setBlockFormat(right);
        numberPositions.append(number.position());
        number.insertText(QStringLiteral("000"), text);
    }
    return numberPositions;
}

int PageOf(const QTextDocument& doc, const QTextBlock& block)
{
    const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
    return int(rect.top() / doc.pageSize().height()) + 1;
}

// The headings whose text starts on the next page.
int LonelyHeadings(const QTextDocument& doc)
{
    int lonely = 0;
    for (const Heading& heading : Headings(doc, 6))
        if (heading.block.next().isValid() && PageOf(doc, heading.block.next()) != PageOf(doc, heading.block))
        {
            ++lonely;
            if (qEnvironmentVariableIsSet("GUIDE_PDF_TELL"))
                std::fprintf(stderr, "alone: %s\n", qPrintable(heading.text));
        }
    return lonely;
}

// A heading at the foot of a page, its text on the next, moves to the next page as well. Moving
// one shifts what follows, so the check runs again until nothing moves.
void KeepHeadingsWithText(QTextDocument& doc)
{
    for (int pass = 0; pass < 60; ++pass)
    {
        bool moved = false;
        for (const Heading& heading : Headings(doc, 6))
        {
            const QTextBlock next = heading.block.next();
            if (!next.isValid() || PageOf(doc, next) == PageOf(doc, heading.block))
                continue;
            QTextBlockFormat format = heading.block.blockFormat();
            if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(heading.block).setBlockFormat(format);
            doc.markContentsDirty(0, doc.characterCount());
            moved = true;
            break; // what follows has moved: look again from the start
        }
        if (!moved)
            return;
    }
}

// The top and bottom of a table's row in the document, over all its cells.
QPair<double, double> RowExtent(const QTextDocument& doc, QTextTable* table, int row)
{
    double top = 1e300, bottom = -1e300;
    for (int column = 0; column < table->columns(); ++column)
    {
        const QTextTableCell cell = table->cellAt(row, column);
        QTextCursor first = cell.firstCursorPosition();
        QTextCursor last = cell.lastCursorPosition();
        top = std::min(top, doc.documentLayout()->blockBoundingRect(first.block()).top());
        bottom = std::max(bottom, doc.documentLayout()->blockBoundingRect(last.block()).bottom());
    }
    return {top, bottom};
}

QList<QTextTable*> Tables(const QTextDocument& doc)
{
    QList<QTextTable*> tables;
    for (QTextFrame* frame : doc.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables << table;
    return tables;
}

// The rows of the document's tables that a page break cuts in two.
int CutRows(const QTextDocument& doc, const QTextTable* skip = nullptr)
{
    const double page = doc.pageSize().height();
    int cut = 0;
    for (QTextTable* table : Tables(doc))
    {
        if (table == skip)
            continue;
        for (int row = 0; row < table->rows(); ++row)
        {
            const auto [top, bottom] = RowExtent(doc, table, row);
            if (int(top / page) != int((bottom - 1) / page))
            {
                ++cut;
                if (qEnvironmentVariableIsSet("GUIDE_PDF_TELL"))
                    std::fprintf(stderr, "cut: %s\n", qPrintable(table->cellAt(row, 0).firstCursorPosition().block().text()));
            }
        }
    }
    return cut;
}

// A table shorter than a page that a page break would cut starts on the next page instead;
// a longer one is cut between rows: the rows from the one the break would cut on go into a
// table of their own, with the heading row repeated, on the next page.
void KeepTableRowsWhole(QTextDocument& doc, const QTextTable* skip)
{
    const double page = doc.pageSize().height();
    for (int pass = 0; pass < 40; ++pass)
    {
        QTextTable* cut = nullptr;
        int cutRow = -1;
        for (QTextTable* table : Tables(doc))
        {
            if (table == skip)
                continue; // the contents: its page numbers are filled in by position
            for (int row = 0; row < table->rows() && cutRow < 0; ++row)
            {
                const auto [top, bottom] = RowExtent(doc, table, row);
                if (int(top / page) != int((bottom - 1) / page))
                    cutRow = row;
            }
            if (cutRow >= 0)
            {
                cut = table;
                break;
            }
        }
        if (!cut)
            return;
        const double height = RowExtent(doc, cut, cut->rows() - 1).second - RowExtent(doc, cut, 0).first;
        if (height < page * 0.9 || cutRow <= 1)
        {
            // The table's heading, and a line that introduces it, go with it.
            QTextBlock lead = doc.findBlock(cut->firstPosition() - 1);
            if (lead.isValid() && lead.blockFormat().headingLevel() == 0 && lead.previous().isValid() &&
                lead.previous().blockFormat().headingLevel() > 0)
                lead = lead.previous();
            if (lead.isValid() && lead.blockFormat().headingLevel() > 0)
            {
                QTextBlockFormat format = lead.blockFormat();
                if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                    return; // already at a page's top: nothing better to do
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(lead).setBlockFormat(format);
            }
            else
            {
                QTextTableFormat format = cut->format();
                if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                    return;
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                cut->setFormat(format);
            }
        }
        else
        {
            // The rows from cutRow on, with the heading row, become the next table.
            const int columns = cut->columns(), rows = cut->rows();
            QTextCursor after(&doc);
            after.setPosition(cut->lastPosition() + 1);
            QTextTableFormat format = cut->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            after.insertBlock();
            after.movePosition(QTextCursor::PreviousBlock);
            QTextTable* rest = after.insertTable(rows - cutRow + 1, columns, format);
            const auto copyRow = [&](int from, int to) {
                for (int column = 0; column < columns; ++column)
                {
                    const QTextTableCell source = cut->cellAt(from, column);
                    QTextCursor select(&doc);
                    select.setPosition(source.firstPosition());
                    select.setPosition(source.lastPosition(), QTextCursor::KeepAnchor);
                    rest->cellAt(to, column).firstCursorPosition().insertFragment(select.selection());
                    rest->cellAt(to, column).setFormat(source.format());
                }
            };
            copyRow(0, 0);
            for (int row = cutRow; row < rows; ++row)
                copyRow(row, row - cutRow + 1);
            cut->removeRows(cutRow, rows - cutRow);
        }
        doc.markContentsDirty(0, doc.characterCount());
    }
}

// Code blocks (file lines, command lines) stand on a grey ground, as in a terminal.
void ShadeCodeBlocks(QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    {
        QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(QTextFormat::BlockCodeFence))
            continue;
        format.setBackground(QColor(242, 242, 242));
        QTextCursor(block).setBlockFormat(format);
    }
}

// Headings get room above them, so a heading after a table does not cling to it.
void SpaceHeadings(const QList<Heading>& headings)
{
    for (const Heading& heading : headings)
    {
        QTextBlockFormat format = heading.block.blockFormat();
        format.setTopMargin(heading.level == 1 ? 0 : 14);
        format.setBottomMargin(6);
        QTextCursor(heading.block).setBlockFormat(format);
    }
}

void FillPageNumbers(QTextDocument& doc, const QList<Heading>& headings, const QList<int>& positions)
{
    const QList<Heading> listed = headings.mid(1);
    for (int i = int(positions.size()) - 1; i >= 0; --i)
    {
        QTextCursor cursor(&doc);
        cursor.setPosition(positions[i]);
        cursor.setPosition(positions[i] + 3, QTextCursor::KeepAnchor);
        cursor.insertText(QString::number(PageOf(doc, listed[i].block)), cursor.charFormat());
    }
}

void PrintPages(QTextDocument& doc, QPdfWriter& writer, const QString& runningTitle, double footerHeight)
{
    QPainter painter(&writer);
    const double pageHeight = doc.pageSize().height();
    const int pages = doc.pageCount();
    QFont small = doc.defaultFont();
    small.setPointSizeF(8.5);
    for (int page = 0; page < pages; ++page)
    {
        if (page > 0)
            writer.newPage();
        painter.save();
        const QRectF visible(0, page * pageHeight, doc.pageSize().width(), pageHeight);
        painter.translate(0, -page * pageHeight);
        painter.setClipRect(visible);
        doc.drawContents(&painter, visible);
        painter.restore();
        if (page == 0)
            continue; // the title page carries neither header nor number
        painter.setFont(small);
        painter.setPen(QColor(110, 110, 110));
        const double width = doc.pageSize().width();
        painter.drawText(QRectF(0, pageHeight, width, footerHeight), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("— %1 —").arg(page + 1));
        painter.drawText(QRectF(0, pageHeight, width, footerHeight), Qt::AlignLeft | Qt::AlignBottom, runningTitle);
    }
}
// Where a block starts on the printed page, in points from the page's top left corner.
PdfPlace PlaceOf(const QTextDocument& doc, const QTextBlock& block, int resolution)
{
    const double top = doc.documentLayout()->blockBoundingRect(block).top();
    const double page = doc.pageSize().height();
    const int index = int(top / page);
    const double points = 72.0 / resolution;
    const double margin = PageMarginsMm.top() * 72 / 25.4;
    return {index, margin + (top - index * page) * points};
}

// The viewer's bookmarks: the chapters, and their sections under them.
QList<PdfBookmark> Bookmarks(const QTextDocument& doc, const QList<Heading>& headings, int resolution)
{
    QList<PdfBookmark> bookmarks;
    for (const Heading& heading : headings.mid(1)) // the title page is the file itself
        bookmarks.append({heading.level, heading.text, PlaceOf(doc, heading.block, resolution)});
    return bookmarks;
}

// Each line of the table of contents leads to its heading.
QList<PdfLink> ContentsLinks(const QTextDocument& doc, QTextTable* contents, const QList<Heading>& headings,
                             int resolution)
{
    QList<PdfLink> links;
    if (!contents)
        return links;
    const QList<Heading> listed = headings.mid(1);
    const double points = 72.0 / resolution;
    const double left = PageMarginsMm.left() * 72 / 25.4;
    const double width = doc.pageSize().width() * points;
    for (int row = 0; row < contents->rows() && row < listed.size(); ++row)
    {
        const QTextBlock title = contents->cellAt(row, 0).firstCursorPosition().block();
        const QTextBlock number = contents->cellAt(row, 1).firstCursorPosition().block();
        const QRectF box = doc.documentLayout()->blockBoundingRect(title);
        const QRectF numberBox = doc.documentLayout()->blockBoundingRect(number);
        const PdfPlace at = PlaceOf(doc, title, resolution);
        const double height = std::max(box.height(), numberBox.height()) * points;
        links.append({at.page, QRectF(left, at.top, width, height), PlaceOf(doc, listed[row].block, resolution)});
    }
    return links;
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const bool english = argc > 3 && QLatin1String(argv[3]) == QLatin1String("--english");
    const int firstChapter = english ? 4 : 3;
    if (argc <= firstChapter)
    {
        std::fprintf(stderr, "usage: guide_pdf OUTPUT.pdf PICTURE_FOLDER [--english] CHAPTER.md...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    QStringList chapters;
    for (int i = firstChapter; i < argc; ++i)
        chapters << QString::fromLocal8Bit(argv[i]);

    bool ok = true;
    const QString markdown = ReadChapters(chapters, ok);

    QPdfWriter writer(output + QStringLiteral(".part"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(PageMarginsMm, QPageLayout::Millimeter);
    writer.setTitle(english ? QStringLiteral("MERION User Guide") : QStringLiteral("MERION 用户指南"));
    writer.setCreator(QStringLiteral("MERION"));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(BodyPointSize);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QString());
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);

    const double footerHeight = 0.4 * writer.resolution(); // about a centimetre
    const double textWidth = writer.width();
    doc.setPageSize(QSizeF(textWidth, writer.height() - footerHeight));
    // Picture sizes count in the layout's 96 dpi units, whatever the writer's resolution; window
    // pictures are shown at 150 dpi, so dialogs stay small and sharp.
    const double pictureUnits = 96.0 / writer.resolution();
    ok = PlacePictures(doc, pictures, textWidth * pictureUnits, 96.0 / 150.0) && ok;
    StyleTables(doc);
    const QList<Heading> headings = Headings(doc);
    SpaceHeadings(headings);
    BreakBeforeChapters(headings);
    ShadeCodeBlocks(doc);
    const QList<int> numbers = InsertContents(doc, headings);
    // The layout follows edits only piecemeal, and a paged document laid out piecemeal puts
    // blocks where its drawing does not look for them: lay everything out afresh after edits.
    doc.markContentsDirty(0, doc.characterCount());
    QTextTable* contents = nullptr;
    if (!numbers.isEmpty())
    {
        QTextCursor at(&doc);
        at.setPosition(numbers.first());
        contents = at.currentTable();
    }
    std::fprintf(stderr, "guide_pdf: as written, %d table rows cut by a page break, %d headings alone at a page foot\n",
                 CutRows(doc, contents), LonelyHeadings(doc));
    // Rows first: moving a table may leave its heading alone, which the headings' pass mends;
    // a heading moved may push a table onto a page break again, so the two take turns.
    for (int round = 0; round < 4 && (CutRows(doc, contents) > 0 || LonelyHeadings(doc) > 0); ++round)
    {
        KeepTableRowsWhole(doc, contents);
        KeepHeadingsWithText(doc);
    }
    FillPageNumbers(doc, headings, numbers);
    doc.markContentsDirty(0, doc.characterCount());

    PrintPages(doc, writer,
               english ? QStringLiteral("MERION Total Station Post-Processing · User Guide")
                       : QStringLiteral("MERION 全站仪后处理软件 · 用户指南"),
               footerHeight);
    QString error;
    if (!AddOutlineAndLinks(output + QStringLiteral(".part"), Bookmarks(doc, headings, writer.resolution()),
                            ContentsLinks(doc, contents, headings, writer.resolution()), error))
    {
        std::fprintf(stderr, "guide_pdf: no bookmarks: %s\n", qPrintable(error));
        ok = false;
    }
    const int cutRows = CutRows(doc, contents);
    const int lonelyHeadings = LonelyHeadings(doc);
    if (cutRows > 0 || lonelyHeadings > 0)
        std::fprintf(stderr, "guide_pdf: %d table rows cut by a page break, %d headings alone at a page foot\n",
                     cutRows, lonelyHeadings);
    if (!ok)
    {
        QFile::remove(output + QStringLiteral(".part"));
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(output + QStringLiteral(".part"), output))
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::fprintf(stderr, "%s: %d pages\n", qPrintable(output), doc.pageCount());
    return 0;
}
