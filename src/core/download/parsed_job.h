#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
