#pragma once

#include <QByteArrayView>

// How the list orders the texts of a column, as a surveyor reads them: runs of digits by their
// value, so P2 comes before P10, the rest character by character (by code point). Texts that
// compare equal so (P01 and P1) fall back to plain character order, so the order is total.
// Negative, zero or positive, as strcmp. Both texts are UTF-8; blanks count as they stand.
int CompareNaturally(QByteArrayView a, QByteArrayView b);

// What a cell sorts by: numbers ("12", " -3e1 ", "100.5") by their value ahead of every text,
// which sorts naturally. `utf8` is the cell as stored; `storedAsNumber` when the engine keeps it
// as a number rather than a text.
struct SortKey
{
    bool isNumber = false;
    double number = 0;
    QByteArrayView text; // trimmed of ASCII blanks; points into the text it was made from
};
SortKey SortKeyOf(QByteArrayView utf8, bool storedAsNumber);
// Ascending order of two keys: numbers by value first, then texts naturally; 0 for equals.
int CompareSortKeys(const SortKey& a, const SortKey& b);
