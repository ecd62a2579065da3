#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

class CProjectStore;

// The small reads and writes that every hand save is made of. Each gives nothing (or false)
// after a failure, which the store has already shown.
namespace TableRows
{
// Whether a row of `table` carries the name `name` in SN.
std::optional<bool> NameExists(CProjectStore& store, const QString& table, const QString& name);
// The running number a row added now gets: the number of rows plus one.
std::optional<int> NextId(CProjectStore& store, const QString& table);
// Adds one row, the columns set as text in the order given.
bool Insert(CProjectStore& store, const QString& table, const QList<QPair<QString, QString>>& columns);
// Numbers the rows 1, 2, 3 … in the order they were written. Each row is addressed on its
// own, so rows that share a name (imports allow that) still get numbers of their own.
bool Renumber(CProjectStore& store, const QString& table);
} // namespace TableRows
