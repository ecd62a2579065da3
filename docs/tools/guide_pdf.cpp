// Renders the user guide (Markdown chapters and the pictures the build took) into Help.pdf:
// A4 pages, every chapter on a new page, a table of contents with page numbers, a running
// header and page numbers, Chinese fonts embedded by Qt's PDF writer.

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <cstdio>

namespace
{
const QString TocMarker = QStringLiteral("[目录]");
constexpr double BodyPointSize = 10.5;

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

QList<Heading> Headings(const QTextDocument& doc)
{
    QList<Heading> headings;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    {
        const int level = block.blockFormat().headingLevel();
        if (level >= 1 && level <= 2)
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
        if (block.text().trimmed() == TocMarker)
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

// A heading at the foot of a page, its text on the next, moves to the next page as well.
void KeepHeadingsWithText(QTextDocument& doc, const QList<Heading>& headings)
{
    for (const Heading& heading : headings)
    {
        const QTextBlock next = heading.block.next();
        if (!next.isValid() || PageOf(doc, next) == PageOf(doc, heading.block))
            continue;
        QTextBlockFormat format = heading.block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading.block).setBlockFormat(format);
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
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 4)
    {
        std::fprintf(stderr, "usage: guide_pdf OUTPUT.pdf PICTURE_FOLDER CHAPTER.md...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    QStringList chapters;
    for (int i = 3; i < argc; ++i)
        chapters << QString::fromLocal8Bit(argv[i]);

    bool ok = true;
    const QString markdown = ReadChapters(chapters, ok);

    QPdfWriter writer(output + QStringLiteral(".part"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("MERION 用户指南"));
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
    KeepHeadingsWithText(doc, headings);
    FillPageNumbers(doc, headings, numbers);
    doc.markContentsDirty(0, doc.characterCount());

    PrintPages(doc, writer, QStringLiteral("MERION 全站仪后处理软件 · 用户指南"), footerHeight);
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
