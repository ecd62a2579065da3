#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>

class CStatement;
class CProjectStore;

// Appends many rows to one table through prepared statements with values bound by position,
// 64 rows per statement: a million-line import then runs a few thousand statements instead of
// a million. Run it inside a CTransaction and call Finish before committing.
class CBulkInsert
{
public:
    // `columns` are the ID column (a number) followed by the text columns.
    CBulkInsert(CProjectStore& store, const QString& table, const QStringList& columns);
    // Every column the schema gives the table, in its order.
    CBulkInsert(CProjectStore& store, const QString& table);
    ~CBulkInsert();

    // Adds one row: its ID and its texts in column order (an empty or missing text is stored as
    // the empty text, never as no value). A failure is reported once and gives false; the
    // caller abandons its transaction.
    bool Add(qlonglong id, std::initializer_list<QByteArrayView> utf8);
    // The same with the texts in a list, for rows whose width is known only at run time.
    bool Add(qlonglong id, const QStringList& texts);
    // Stores the rows still waiting.
    bool Finish();

private:
    bool Queued(qlonglong id, int given);   // the row's texts are waiting; stores a full batch
    bool Store(CStatement& statement); // binds the waiting rows and runs it

    CProjectStore& m_store;
    QString m_table;
    QStringList m_names;
    int m_columns;
    std::unique_ptr<CStatement> m_batch;
    QList<QByteArray> m_waiting; // the texts of the rows not yet stored, row after row
    QList<qlonglong> m_ids;
    bool m_failed = false;
};

// Deletes every row of the tables, in the order given, ahead of filling them anew inside the
// caller's transaction: false (the store has said why) at the first that cannot be emptied.
bool EmptyTables(CProjectStore& store, std::initializer_list<QString> tables);
