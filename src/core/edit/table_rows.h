#pragma once

#include "core/report/outcome.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

class CProjectStore;

// The writes that every hand save is made of. Database failures have been shown by the store
// when these return; nothing of the failed save is kept.
namespace TableRows
{
using Columns = QList<QPair<QString, QString>>;

// A statement whose ? marks take `values` in order: typed text is bound, never pasted in.
struct Statement
{
    QString sql;
    QVariantList values;
};

// Adds a row as the next running number (rows plus one), marked as typed in by hand, then the
// given columns as text in their order. With a name, a table that already has a row of that
// SN refuses it. One transaction, which also notes the table as holding hand work.
Outcome AddManualRow(CProjectStore& store, const QString& table, const std::optional<QString>& uniqueName,
                         const Columns& columns);
// Runs the statements in one transaction: all of them land or none.
Outcome RunAll(CProjectStore& store, const QList<Statement>& statements);
// The same for statements that change one record by hand, which `where` (a " where …" clause
// with its values) picks from `table`: a record that is not there ends NoSuchRecord naming `key`,
// and nothing runs; otherwise the table is noted as holding hand work.
Outcome ChangeRecord(CProjectStore& store, const QString& table, const Statement& where, const QString& key,
                     const QList<Statement>& statements);
// Whether `table` holds a record that `where` picks; nothing after a failure (reported).
std::optional<bool> Holds(CProjectStore& store, const QString& table, const Statement& where);
// Numbers the rows 1, 2, 3 … in the order they were written. Each row is addressed on its
// own, so rows that share a name (imports allow that) still get numbers of their own.
bool Renumber(CProjectStore& store, const QString& table);
} // namespace TableRows
