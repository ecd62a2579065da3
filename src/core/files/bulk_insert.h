#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

class CProjectStore;

// Appends many rows to one table through a prepared statement, the values bound rather than
// pasted into the text. Run it inside a CTransaction: the rows then land together or not at all.
class CBulkInsert
{
public:
    CBulkInsert(CProjectStore& store, const QString& table, const QStringList& columns);

    // Adds one row (values in column order). A failure is reported once and gives false; the
    // caller abandons its transaction.
    bool Add(const QVariantList& values);

private:
    bool Fail();

    CProjectStore& m_store;
    QSqlQuery m_query;
    bool m_prepared = false;
};
