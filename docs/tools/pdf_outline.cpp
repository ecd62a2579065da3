#include "pdf_outline.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

namespace
{
QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

// A text string of the PDF: UTF-16BE with its byte-order mark, in hexadecimal.
QByteArray TextString(const QString& text)
{
    QByteArray bytes("FEFF");
    for (const QChar c : text)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return '<' + bytes + '>';
}

// What the file holds: its objects' places (from the cross-reference table), the catalogue,
// the pages in order and their heights.
struct PdfFile
{
    QByteArray bytes;
    qint64 xref = 0;
    int size = 0;
    int root = 0;
    int info = 0;
    QMap<int, qint64> offsets;
    QList<int> pages;
    QList<double> heights;

    QByteArray Object(int number) const
    {
        const qint64 start = offsets.value(number, -1);
        if (start < 0)
            return {};
        const qint64 end = bytes.indexOf("endobj", start);
        return end < 0 ? QByteArray() : bytes.mid(start, end - start);
    }
    // The dictionary of an object, without its outer << >>.
    QByteArray Dictionary(int number) const
    {
        const QByteArray object = Object(number);
        const qsizetype open = object.indexOf("<<");
        const qsizetype close = object.lastIndexOf(">>");
        return open < 0 || close < open ? QByteArray() : object.mid(open + 2, close - open - 2);
    }
};

bool Read(const QString& path, PdfFile& pdf, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return error = QStringLiteral("cannot read ") + path, false;
    pdf.bytes = file.readAll();
    const qsizetype startxref = pdf.bytes.lastIndexOf("startxref");
    if (startxref < 0)
        return error = QStringLiteral("no startxref"), false;
    pdf.xref = pdf.bytes.mid(startxref + 9, 24).trimmed().split('\n').first().trimmed().toLongLong();
    if (pdf.bytes.mid(pdf.xref, 4) != "xref")
        return error = QStringLiteral("no cross-reference table"), false;
    // The table: sections "first count", then 20-byte entries.
    qsizetype at = pdf.bytes.indexOf('\n', pdf.xref) + 1;
    static const QRegularExpression section(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
    while (true)
    {
        const qsizetype end = pdf.bytes.indexOf('\n', at);
        const QString line = QString::fromLatin1(pdf.bytes.mid(at, end - at));
        const QRegularExpressionMatch match = section.match(line);
        if (!match.hasMatch())
            break;
        const int first = match.captured(1).toInt(), count = match.captured(2).toInt();
        at = end + 1;
        for (int i = 0; i < count; ++i, at += 20)
        {
            const QByteArray entry = pdf.bytes.mid(at, 20);
            if (entry.size() == 20 && entry[17] == 'n')
                pdf.offsets[first + i] = entry.left(10).toLongLong();
        }
    }
    const qsizetype trailer = pdf.bytes.indexOf("trailer", at);
    const QString trailerText = QString::fromLatin1(pdf.bytes.mid(trailer, startxref - trailer));
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R"));
    static const QRegularExpression info(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    pdf.size = size.match(trailerText).captured(1).toInt();
    pdf.root = root.match(trailerText).captured(1).toInt();
    pdf.info = info.match(trailerText).captured(1).toInt();
    if (trailer < 0 || pdf.size == 0 || pdf.root == 0)
        return error = QStringLiteral("no trailer"), false;

    static const QRegularExpression pagesReference(QStringLiteral("/Pages\\s+(\\d+)\\s+0\\s+R"));
    const int pagesObject = pagesReference.match(QString::fromLatin1(pdf.Dictionary(pdf.root))).captured(1).toInt();
    const QString pagesText = QString::fromLatin1(pdf.Dictionary(pagesObject));
    static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
    static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
    for (auto it = reference.globalMatch(kids.match(pagesText).captured(1)); it.hasNext();)
        pdf.pages << it.next().captured(1).toInt();
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*[-0-9.]+\\s+[-0-9.]+\\s+[-0-9.]+\\s+([-0-9.]+)\\s*\\]"));
    for (const int page : pdf.pages)
    {
        const QString dictionary = QString::fromLatin1(pdf.Dictionary(page));
        if (!dictionary.contains(QLatin1String("/Type /Page")) && !dictionary.contains(QLatin1String("/Type/Page")))
            return error = QStringLiteral("a kid of the page tree is not a page"), false;
        const QRegularExpressionMatch box = mediaBox.match(dictionary);
        if (!box.hasMatch())
            return error = QStringLiteral("a page without its own MediaBox"), false;
        pdf.heights << box.captured(1).toDouble();
    }
    if (pdf.pages.isEmpty())
        return error = QStringLiteral("no pages"), false;
    return true;
}

QByteArray Destination(const PdfFile& pdf, const PdfPlace& place)
{
    const int page = std::clamp(place.page, 0, int(pdf.pages.size()) - 1);
    return "[" + QByteArray::number(pdf.pages[page]) + " 0 R /XYZ 0 " + Number(pdf.heights[page] - place.top) + " null]";
}
} // namespace

bool AddOutlineAndLinks(const QString& path, const QList<PdfBookmark>& bookmarks, const QList<PdfLink>& links,
                        QString& error)
{
    PdfFile pdf;
    if (!Read(path, pdf, error))
        return false;

    QMap<int, QByteArray> objects; // the new objects and the new versions of old ones
    int next = pdf.size;

    // The outline: the root, the chapters under it, the sections under their chapter.
    const int outlineRoot = next++;
    struct Item
    {
        int object;
        int parent;
        QList<int> children; // indexes into items
    };
    QList<Item> items;
    QList<int> chapters;
    for (const PdfBookmark& bookmark : bookmarks)
    {
        Item item{next++, outlineRoot, {}};
        if (bookmark.level > 1 && !chapters.isEmpty())
        {
            item.parent = items[chapters.last()].object;
            items[chapters.last()].children << int(items.size());
        }
        else
            chapters << int(items.size());
        items << item;
    }
    const auto siblings = [&](int index) -> const QList<int> {
        const Item& item = items[index];
        if (item.parent == outlineRoot)
            return chapters;
        for (const Item& other : items)
            if (other.object == item.parent)
                return other.children;
        return {};
    };
    for (qsizetype i = 0; i < items.size(); ++i)
    {
        const Item& item = items[i];
        QByteArray dictionary = "<< /Title " + TextString(bookmarks[i].title) + " /Parent " +
                                QByteArray::number(item.parent) + " 0 R /Dest " + Destination(pdf, bookmarks[i].at);
        const QList<int> row = siblings(int(i));
        const qsizetype place = row.indexOf(int(i));
        if (place > 0)
            dictionary += " /Prev " + QByteArray::number(items[row[place - 1]].object) + " 0 R";
        if (place >= 0 && place + 1 < row.size())
            dictionary += " /Next " + QByteArray::number(items[row[place + 1]].object) + " 0 R";
        if (!item.children.isEmpty())
            dictionary += " /First " + QByteArray::number(items[item.children.first()].object) + " 0 R /Last " +
                          QByteArray::number(items[item.children.last()].object) + " 0 R /Count -" +
                          QByteArray::number(item.children.size()); // chapters open closed
        objects[item.object] = dictionary + " >>";
    }
    QByteArray root = "<< /Type /Outlines /Count " + QByteArray::number(chapters.size());
    if (!chapters.isEmpty())
        root += " /First " + QByteArray::number(items[chapters.first()].object) + " 0 R /Last " +
                QByteArray::number(items[chapters.last()].object) + " 0 R";
    objects[outlineRoot] = root + " >>";

    // The catalogue opens the file with its bookmarks shown.
    QByteArray catalogue = pdf.Dictionary(pdf.root);
    catalogue.replace("/PageMode /UseOutlines", "");
    objects[pdf.root] = "<<" + catalogue + " /Outlines " + QByteArray::number(outlineRoot) +
                        " 0 R /PageMode /UseOutlines >>";

    // The links, as annotations of their pages.
    QMap<int, QList<int>> annotations; // page index -> annotation objects
    for (const PdfLink& link : links)
    {
        if (link.page < 0 || link.page >= pdf.pages.size())
            continue;
        const double height = pdf.heights[link.page];
        const int object = next++;
        objects[object] = "<< /Type /Annot /Subtype /Link /Border [0 0 0] /Rect [" + Number(link.area.left()) + ' ' +
                          Number(height - link.area.bottom()) + ' ' + Number(link.area.right()) + ' ' +
                          Number(height - link.area.top()) + "] /Dest " + Destination(pdf, link.to) + " >>";
        annotations[link.page] << object;
    }
    static const QRegularExpression annotsReference(QStringLiteral("/Annots\\s+(\\d+)\\s+0\\s+R"));
    for (auto it = annotations.cbegin(); it != annotations.cend(); ++it)
    {
        QByteArray list;
        for (const int object : it.value())
            list += ' ' + QByteArray::number(object) + " 0 R";
        const int pageObject = pdf.pages[it.key()];
        const QByteArray page = pdf.Dictionary(pageObject);
        const QRegularExpressionMatch held = annotsReference.match(QString::fromLatin1(page));
        if (held.hasMatch())
        {
            // Qt gives every page an array object of its annotations: a new version of it.
            const int arrayObject = held.captured(1).toInt();
            const QByteArray old = pdf.Object(arrayObject);
            const qsizetype open = old.indexOf('['), close = old.lastIndexOf(']');
            if (open < 0 || close < open)
                return error = QStringLiteral("an annotation array that is not an array"), false;
            objects[arrayObject] = old.mid(open, close - open) + list + " ]";
        }
        else if (page.contains("/Annots"))
            return error = QStringLiteral("a page's annotations are not where they are expected"), false;
        else
            objects[pageObject] = "<<" + page + " /Annots [" + list + " ] >>";
    }

    // The update: the objects, a cross-reference section for each run of numbers, the trailer.
    QByteArray update = "\n";
    QMap<int, qint64> written;
    const qint64 base = pdf.bytes.size();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it)
    {
        written[it.key()] = base + update.size();
        update += QByteArray::number(it.key()) + " 0 obj\n" + it.value() + "\nendobj\n";
    }
    const qint64 xref = base + update.size();
    update += "xref\n";
    for (auto it = written.cbegin(); it != written.cend();)
    {
        auto end = it;
        int count = 0;
        while (end != written.cend() && end.key() == it.key() + count)
            ++end, ++count;
        update += QByteArray::number(it.key()) + ' ' + QByteArray::number(count) + '\n';
        for (; it != end; ++it)
            update += QByteArray::number(it.value()).rightJustified(10, '0') + " 00000 n \n";
    }
    update += "trailer\n<< /Size " + QByteArray::number(next) + " /Root " + QByteArray::number(pdf.root) + " 0 R";
    if (pdf.info)
        update += " /Info " + QByteArray::number(pdf.info) + " 0 R";
    update += " /Prev " + QByteArray::number(pdf.xref) + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";

    QFile file(path);
    if (!file.open(QIODevice::Append) || file.write(update) != update.size() || !file.flush())
        return error = QStringLiteral("cannot write ") + path, false;
    return true;
}
