#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <optional>

class CProjectStore;

// The rows of one query, owned by whoever asked for them, and, on a plain query of one table,
// a way to add rows: AddNew, SetValue per column, Update.
//
// The rows are read in one go when first asked for and the engine's statement is closed at
// once: an open read would pin a snapshot of the database, and a write from this connection
// after another thread's commit would then fail instead of waiting its turn. MoveFirst reads
// the rows afresh.
class CRecordSet
{
public:
    CRecordSet(CProjectStore& store, QSqlDatabase db, QString sql, QVariantList values = {});

    bool IsValid() const { return m_valid; } // the query ran
    const QString& ErrorText() const { return m_error; }

    bool IsEOF() const;
    void MoveNext();
    void MoveFirst();

    // The value of a column of the current row; a null value or an unknown column reads as
    // an invalid variant, whose text is empty.
    QVariant GetValue(const QString& column) const;
    QVariant GetValue(int position) const;
    QString GetText(const QString& column) const { return TextOf(GetValue(column)); }
    QString GetText(int position) const { return TextOf(GetValue(position)); }
    int ColumnCount() const { return m_columns.count(); }

    // Adding a row: the values are given as text, the engine converts them where a column is numeric.
    void AddNew();
    void SetValue(const QString& column, const QString& text);
    bool Update(); // stores the new row; a failure is reported and gives false

    static QString TextOf(const QVariant& value);

private:
    bool Execute(QSqlQuery& query);
    void Load() const;

    CProjectStore& m_store;
    QSqlDatabase m_db;
    QString m_sql;
    QVariantList m_values;
    QSqlRecord m_columns;
    bool m_valid = false;
    QString m_error;
    mutable bool m_loaded = false;
    mutable QList<QVariantList> m_rows;
    qsizetype m_position = 0;
    QString m_table;
    std::optional<QList<QPair<QString, QString>>> m_newRow;
};
