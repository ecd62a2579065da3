#pragma once

#include <QString>
#include <QStringList>

// The project database's tables, with their column names exactly as every statement uses them.
namespace Schema
{
struct Table
{
    QString name;
    QStringList columns;
};

const QList<Table>& Tables();
const Table* FindTable(const QString& name); // case-insensitive; nullptr when unknown

// Tables emptied at the end of every run of the desktop program.
const QStringList& ScratchTables();

// The lists a surveyor keeps by hand (points, codes, the alignment): what they lose when they
// are emptied or replaced is first copied to discarded/ beside the database.
const QStringList& HandKeptTables();

// "CREATE TABLE IF NOT EXISTS" statements for every table.
QStringList CreateStatements();
} // namespace Schema
