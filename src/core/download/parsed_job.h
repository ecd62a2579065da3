#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>

// The rows one table receives from a parse: the ID column first, then the text columns.
struct TableRows
{
    QString table;
    QStringList columns;       // "ID" first
    QList<QStringList> rows;   // one text per column, the ID's decimal text first
};

// What a parse of a received or imported text gives: the tables it replaces (emptied before
// its rows go in) and the rows, in the order they are stored.
struct ParsedJob
{
    QStringList replaces;
    QList<TableRows> tables;
    int records = 0; // record lines found (a record's CoorEdit companion row is not counted apart)
};

// Where a parse fed line by line puts each row as it finds it: the table's position in the
// job's tables and the row (its ID's text first). False stops the parse (the store refused).
using RowSink = std::function<bool(int table, const QStringList& row)>;

// A parse fed one line at a time, so that an import holds one line and a few rows whatever
// the size of its file. Lines come without their ends, in the order of the text.
class IJobParse
{
public:
    virtual ~IJobParse() = default;
    // The tables it replaces and fills, with their columns; no rows.
    virtual ParsedJob Shape() const = 0;
    // Parses one line, handing its rows to `sink`; false when the sink refused one.
    virtual bool Take(QStringView line, const RowSink& sink) = 0;
    virtual int Records() const = 0; // record lines so far
};

// The whole-text form of a line-by-line parse: the lines of `text` ended by CR LF (text after
// the last CR LF is not read), every row collected.
ParsedJob ParseWholeText(IJobParse& parse, const QString& text);
