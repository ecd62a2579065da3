#pragma once

#include "core/views/data_kind.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>

class CStatement;
class CProjectStore;

// Cells the list shows differently from the table for a while: after a point import the list
// shows each code as the file gave it, blanks and all, where the table keeps it trimmed. Keyed
// by the row's position in list order; only rows that differ are held.
struct ListCellOverlay
{
    int column = -1;
    QHash<qsizetype, QString> texts;
    bool IsEmpty() const { return texts.isEmpty(); }
};

// A kind's list, row after row, each cell as the list shows it, in UTF-8. The list view's
// exports and the command line read lists through this, one row at a time.
class IListRows
{
public:
    virtual ~IListRows() = default;
    virtual bool Next() = 0;
    // A cell of the current row; empty beyond the row's columns. Valid until the next Next.
    virtual QByteArrayView Cell(int column) = 0;
    // The read stopped on an engine error (already reported).
    virtual bool Failed() const { return false; }

    QString Text(int column) { return QString::fromUtf8(Cell(column)); }
    QStringList Texts(int columns);
};

// Reads a kind's table forward only, in list order: the stored texts as read, trimmed where the
// layout says so. A failed query has already been reported and gives no rows; so does a kind
// without a list.
class CListReader final : public IListRows
{
public:
    CListReader(CProjectStore& store, DataKind kind, const ListCellOverlay* overlay = nullptr);
    ~CListReader() override;
    bool Next() override;
    QByteArrayView Cell(int column) override;
    bool Failed() const override;
    int ColumnCount() const { return int(m_trimmed.size()); }

private:
    std::unique_ptr<CStatement> m_query;
    QList<bool> m_trimmed;
    QList<QByteArray> m_buffers; // cells that had to be rewritten (trimmed beyond ASCII, overlaid)
    const ListCellOverlay* m_overlay;
    qsizetype m_position = -1;
};

// Rows already in memory (tests, small lists built by hand).
class CMemoryListRows final : public IListRows
{
public:
    explicit CMemoryListRows(const QList<QStringList>& rows) : m_rows(rows) {}
    bool Next() override;
    QByteArrayView Cell(int column) override;

private:
    const QList<QStringList>& m_rows;
    qsizetype m_position = -1;
    QList<QByteArray> m_cells;
};

// A stored text as a trimmed layout column shows it: the blanks that QString::trimmed removes,
// gone from both ends. `buffer` holds the result when it cannot be a view into `utf8`.
QByteArrayView TrimmedCell(QByteArrayView utf8, QByteArray& buffer);

// The whole list of a kind, for lists known to be small and for tests.
QList<QStringList> ReadListRows(CProjectStore& store, DataKind kind);

// The captions of a kind's layout, in column order.
QStringList ListCaptionsOf(DataKind kind);

// The statement that reads the layout's columns of a kind's table ("" for kinds without a
// list), with `tail` after the table name (a join, a condition or an order). With `withRowid`
// the row's rowid follows the layout's columns.
QString ListSelectOf(DataKind kind, const QString& tail = {}, bool withRowid = false);
