#include "report/report_document.h"

#include "report/report_texts.h"

#include <algorithm>

namespace
{
// Columns as a terminal shows them: East Asian wide characters take two.
int ShownWidth(const QString& text)
{
    int width = 0;
    for (const QChar c : text)
    {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3)
                          || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
                          || (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString Padded(const QString& text, int width, bool right)
{
    const QString fill(std::max(0, width - ShownWidth(text)), QLatin1Char(' '));
    return right ? fill + text : text + fill;
}

QString VerdictText(ReportLine::Verdict verdict)
{
    switch (verdict)
    {
    case ReportLine::Verdict::Pass: return ReportTexts::Pass;
    case ReportLine::Verdict::Fail: return ReportTexts::Fail;
    case ReportLine::Verdict::None: break;
    }
    return {};
}

QString LineText(const ReportLine& line)
{
    QString text = line.label + QStringLiteral(": ") + line.value;
    if (line.verdict != ReportLine::Verdict::None)
        text += QStringLiteral("  ") + VerdictText(line.verdict);
    return text;
}

void AppendTable(QString& out, const ReportTable& table)
{
    if (!table.caption.isEmpty())
        out += table.caption + QLatin1Char('\n');
    QList<int> widths;
    for (const QString& cell : table.header)
        widths << ShownWidth(cell);
    for (const QStringList& row : table.rows)
        for (qsizetype i = 0; i < row.size(); ++i)
        {
            if (i >= widths.size())
                widths << 0;
            widths[i] = std::max(widths[i], ShownWidth(row.at(i)));
        }
    const auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (qsizetype i = 0; i < cells.size(); ++i)
            padded << Padded(cells.at(i), widths.at(i), table.rightAligned.contains(int(i)));
        out += padded.join(QStringLiteral("  ")).trimmed() + QLatin1Char('\n');
    };
    line(table.header);
    for (const QStringList& row : table.rows)
        line(row);
    out += QLatin1Char('\n');
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}
} // namespace

QString ReportAsText(const ReportDocument& document)
{
    QString out = document.title + QLatin1Char('\n') + QString(ShownWidth(document.title), QLatin1Char('=')) + QLatin1Char('\n');
    for (const ReportLine& line : document.header)
        out += LineText(line) + QLatin1Char('\n');
    for (const ReportSection& section : document.sections)
    {
        out += QLatin1Char('\n') + section.heading + QLatin1Char('\n')
               + QString(ShownWidth(section.heading), QLatin1Char('-')) + QLatin1Char('\n');
        for (const ReportTable& table : section.tables)
            AppendTable(out, table);
        for (const ReportLine& line : section.lines)
            out += LineText(line) + QLatin1Char('\n');
    }
    return out;
}

QString ReportAsHtml(const ReportDocument& document)
{
    QString html = QStringLiteral("<html><body><h2>%1</h2><table cellspacing=\"0\" cellpadding=\"1\">").arg(Escaped(document.title));
    for (const ReportLine& line : document.header)
        html += QStringLiteral("<tr><td>%1:&nbsp;</td><td>%2</td></tr>").arg(Escaped(line.label), Escaped(line.value));
    html += QStringLiteral("</table>");
    for (const ReportSection& section : document.sections)
    {
        html += QStringLiteral("<h3>%1</h3>").arg(Escaped(section.heading));
        for (const ReportTable& table : section.tables)
        {
            if (!table.caption.isEmpty())
                html += QStringLiteral("<p>%1</p>").arg(Escaped(table.caption));
            // A table of a few columns keeps its own width; a wide one takes the page's.
            html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"%1><thead><tr>")
                        .arg(table.header.size() > 4 ? QStringLiteral(" width=\"100%\"") : QString());
            for (const QString& cell : table.header)
                html += QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(Escaped(cell));
            html += QStringLiteral("</tr></thead>");
            for (const QStringList& row : table.rows)
            {
                html += QStringLiteral("<tr>");
                for (qsizetype i = 0; i < row.size(); ++i)
                    html += QStringLiteral("<td align=\"%1\">%2</td>")
                                .arg(table.rightAligned.contains(int(i)) ? QStringLiteral("right") : QStringLiteral("left"),
                                     Escaped(row.at(i)));
                html += QStringLiteral("</tr>");
            }
            html += QStringLiteral("</table>");
        }
        if (!section.lines.isEmpty())
        {
            html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
            for (const ReportLine& line : section.lines)
            {
                QString verdict;
                if (line.verdict != ReportLine::Verdict::None)
                    verdict = QStringLiteral("<b><font color=\"%1\">%2</font></b>")
                                  .arg(line.verdict == ReportLine::Verdict::Pass ? QStringLiteral("#1a7f1a") : QStringLiteral("#c00000"),
                                       Escaped(VerdictText(line.verdict)));
                html += QStringLiteral("<tr><td>%1:&nbsp;</td><td>%2</td><td>&nbsp;&nbsp;%3</td></tr>")
                            .arg(Escaped(line.label), Escaped(line.value), verdict);
            }
            html += QStringLiteral("</table>");
        }
    }
    return html + QStringLiteral("</body></html>");
}
