#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The record kinds of a T5/T8 measurement job and where each line keeps its values.
namespace MeasLayout
{
// The value columns of 740Meas, in the order a row sets them (after ID and ATTR).
const QStringList& ValueColumns();

enum class Variant { Link, File };

struct Field
{
    int column;               // position in ValueColumns()
    bool trimZeros = false;   // passed through TrimLeadingZeros
    bool angle = false;       // half arc-seconds to degrees (job files only)
};

struct Record
{
    QString code;      // the first field of the line, compared exactly
    QString kindName;  // follows "T5(T8)_Meas_" in ATTR
    QList<Field> fields;
    bool wholeRest = false; // one field: everything after the code's comma, commas included
};

// The record kind a line's code names in the given variant, or nullptr.
const Record* Find(Variant variant, const QString& code);

// Column positions that the parser treats specially.
int SnColumn();
int IhColumn();
int NorthColumn();
int EastColumn();
int HeightColumn();
int CodeColumn();
} // namespace MeasLayout
