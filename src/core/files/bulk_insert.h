#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>

class CProjectStore;

// Appends many rows to one table through prepared statements with bound values, 64 rows per
// statement: a million-line import then runs a few thousand statements instead of a million.
// Run it inside a CTransaction and call Finish before committing.
class CBulkInsert
{
public:
    // `columns` are the ID column (a number) followed by the text columns.
    CBulkInsert(CProjectStore& store, const QString& table, const QStringList& columns);

    // Adds one row: its ID and its texts in column order (an empty or missing text is stored as
    // the empty text, never as no value). A failure is reported once and gives false; the
    // caller abandons its transaction.
    bool Add(qlonglong id, std::initializer_list<QStringView> texts);
    // The same with the texts in a list, for rows whose width is known only at run time.
    bool Add(qlonglong id, const QStringList& texts);
    // Stores the rows still waiting.
    bool Finish();

private:
    bool Fail(const QSqlQuery& query);
    template <typename Texts> bool AddRow(qlonglong id, const Texts& texts);

    CProjectStore& m_store;
    QString m_head;      // INSERT INTO … VALUES
    QStringList m_names; // placeholder names, row after row
    QSqlQuery m_batch;
    int m_columns;
    int m_waiting = 0;
    bool m_failed = false;
};
