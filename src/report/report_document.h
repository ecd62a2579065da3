#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A report as a document of plain parts, so the same report can be written as text and as PDF.
struct ReportTable
{
    QString caption;
    QStringList header;
    QList<QStringList> rows;
    QList<int> rightAligned; // columns of numbers
};

struct ReportLine
{
    QString label;
    QString value;
    enum class Verdict { None, Pass, Fail } verdict = Verdict::None;
};

struct ReportSection
{
    QString heading;
    QList<ReportLine> lines;
    QList<ReportTable> tables;
};

struct ReportDocument
{
    QString title;
    QList<ReportLine> header; // what was computed, from what, when
    QList<ReportSection> sections;
};

// The document as plain text: headings underlined, tables in aligned columns (CJK characters
// counted twice as wide), lines "label: value".
QString ReportAsText(const ReportDocument& document);

// The document as HTML for Qt's text document.
QString ReportAsHtml(const ReportDocument& document);
