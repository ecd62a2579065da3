#pragma once

#include <QString>

// The name a measurement record's code (and, for the P, Q, S and T records, its first data
// field as received) gives the row's MARK; empty for a code with no name.
QString RecordTypeName(const QString& code, const QString& data1);

// The program mode a record was taken in, from the field's leading integer; empty for a
// number outside 0 to 12.
QString ModeName(const QString& field);
