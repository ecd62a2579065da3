#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// Statement texts are built from schema names (core/store/schema.h) and fixed words only; values
// take ? marks and are bound when the statement runs. Names are written quoted where the text is
// built, so 740Meas and its kin need no rewriting later and no name is ever read as a keyword.

// A name in double quotes, any quote inside it doubled.
QString QuotedName(const QString& name);
QStringList QuotedNames(const QStringList& names);

// `pattern` with %1, %2 … replaced by the quoted `names` in order:
// Sql("delete from %1 where %2=?", {Tbl::CoorEdit, Col::SN}).
QString Sql(const char* pattern, std::initializer_list<QString> names);

// "insert into T (c1,c2) values (?,?)", with as many rows of ? marks as `rows`.
QString InsertInto(const QString& table, const QStringList& columns, int rows = 1);
