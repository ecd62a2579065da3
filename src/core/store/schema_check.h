#pragma once

#include <QString>

class CProjectStore;
class QSqlDatabase;

// The first column the program's statements need that a table of the open database lacks, as
// "table.column"; empty when every table has every column (tables not made yet are made at
// connect). A statement would read a missing column's double-quoted name as a text, so a list
// would show the caption in every row: such a database is refused instead.
QString MissingColumn(const QSqlDatabase& db);

// Whether the project holds `table`. A project opened read-only is never brought up to date, so
// one made by an older program lacks the tables added since; a reader of such a table asks first.
bool HoldsTable(CProjectStore& store, const QString& table);
