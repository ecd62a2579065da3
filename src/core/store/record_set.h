#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <optional>

class CProjectStore;

// The rows of one query, owned by whoever asked for them. It walks forward through the rows
// as the engine delivers them (MoveFirst runs the query again), and, on a plain query of one
// table, adds rows: AddNew, SetValue per column, Update.
//
// Rows are read as they are walked, so a caller that changes the rows it is walking should
// read them all first.
class CRecordSet
{
public:
    CRecordSet(CProjectStore& store, QSqlDatabase db, QString sql);

    bool IsValid() const { return m_valid; } // the query ran
    const QString& ErrorText() const { return m_error; }

    bool IsEOF() const { return m_atEnd; }
    void MoveNext();
    void MoveFirst();

    // The value of a column of the current row; a null value or an unknown column reads as
    // an invalid variant, whose text is empty.
    QVariant GetValue(const QString& column) const;
    QVariant GetValue(int position) const;
    QString GetText(const QString& column) const { return TextOf(GetValue(column)); }
    QString GetText(int position) const { return TextOf(GetValue(position)); }
    int ColumnCount() const { return m_record.count(); }

    // Adding a row: the values are given as text, the engine converts them where a column is numeric.
    void AddNew();
    void SetValue(const QString& column, const QString& text);
    bool Update(); // stores the new row; a failure is reported and gives false

    static QString TextOf(const QVariant& value);

private:
    void Run();

    CProjectStore& m_store;
    QSqlDatabase m_db;
    QString m_sql;
    QSqlQuery m_query;
    QSqlRecord m_record;
    bool m_valid = false;
    bool m_atEnd = true;
    QString m_error;
    QString m_table;
    std::optional<QList<QPair<QString, QString>>> m_newRow;
};
