#pragma once

#include "core/store/schema.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

class CProjectStore;
struct sqlite3;
struct sqlite3_stmt;

// The one way a statement reaches the project database: prepared on this thread's connection,
// its values bound by position (never written into the text), its rows read forward only as
// UTF-8 bytes, text or values. Build the text with core/store/sql_text.h from schema names.
// A failure is reported once through the store's reporter; the statement then gives no rows.
class CStatement
{
public:
    CStatement(CProjectStore& store, const QString& sql);
    // Prepared with `values` bound to its ? marks in order.
    CStatement(CProjectStore& store, const QString& sql, const QVariantList& values);
    ~CStatement();
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;

    bool IsValid() const { return m_statement != nullptr; }

    // Positions count from 1. A text is bound as a text even when empty, never as no value.
    void BindText(int position, QByteArrayView utf8);
    void BindText(int position, const QString& text);
    void BindInteger(int position, qint64 value);
    void BindReal(int position, double value);
    void BindNull(int position);
    // A value as the engine should keep it: null, a whole number, a real number or a text.
    void Bind(int position, const QVariant& value);
    void BindAll(const QVariantList& values);

    // Steps once: true while there is a row; false at the end or after a reported failure.
    bool Next();
    // Runs a statement that yields no rows (then resets it for the next bound values).
    bool Execute();
    bool Failed() const { return m_failed; }

    int ColumnCount() const;
    // The position of a column of the result by its name (case-insensitive); −1 when absent.
    int ColumnIndex(const QString& name) const;
    // The current row's value at `column` (from 0) as the list shows it, in UTF-8: no value is
    // empty, a whole number in decimal, a real number in the shortest form that reads back the
    // same (100 for 100.0), a text as stored.
    QByteArrayView Utf8(int column);
    QString Text(int column) { return QString::fromUtf8(Utf8(column)); }
    // The value as stored: invalid for no value, qlonglong, double, QString or QByteArray.
    QVariant Value(int column) const;
    qint64 Integer(int column) const;
    bool IsNull(int column) const;
    // The same by the column's name, for the few readers of whole rows (select *).
    QString Text(const SchemaName& column) { return Text(ColumnIndex(column)); }
    QVariant Value(const SchemaName& column) const { return Value(ColumnIndex(column)); }

private:
    bool Fail();

    CProjectStore& m_store;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QList<QByteArray> m_numbers; // the texts of the current row's real numbers, by column
    bool m_failed = false;
    bool m_done = false;
};

// Runs a statement that changes the project, with `values` bound to its ? marks. A project that
// cannot be written refuses it with its reason; a failure is reported. True when it ran.
bool RunStatement(CProjectStore& store, const QString& sql, const QVariantList& values = {});

// The first column of the first row of a query: an invalid value when there is no row or it
// holds no value, nothing when the query failed (reported).
std::optional<QVariant> QueryValue(CProjectStore& store, const QString& sql, const QVariantList& values = {});
