#pragma once

#include "core/report/outcome.h"
#include "core/views/data_kind.h"

#include <QString>

class CProjectStore;
struct ListCellOverlay;

// What a text file holds, as the import dialog offers it.
// The order is that of the import dialog's data-type list.
enum class ImportType
{
    Coor, // point coordinates, in one of the eight column formats
    Code, // code list: number, text
    T5,   // a saved T5/T5+ job
    T8,   // a saved T8 job
    V2,   // a saved T8 version 2 text; the format index is its record kind (V2Record)
};

// The data kind the list takes before an import of that type reads the file (21, 22, 74001, 52001).
DataKind ImportKindOf(ImportType dataType);
// The data kind that shows what the import wrote: for version 2 texts that of the record kind.
DataKind ImportedKindOf(ImportType dataType, int formatIndex);

// Replaces the table of the data type with the contents of the file at `path` (GBK, or UTF-8
// after a byte-order mark). Coordinates and codes: one row per line, the empty line included,
// numbered from 1, read and stored line by line; `formatIndex` (0 to 7) chooses the coordinate
// column order. Jobs go through the job parser, version 2 texts through the parser of the
// record kind `formatIndex` names (after emptying that kind's tables). The table's old rows and
// the new ones change in one transaction: a row the database refuses undoes the whole import.
// Old points, codes or alignment elements are copied to discarded/ first (DiscardRows).
// A file with a NUL byte anywhere, or in which no line gives a record (a point line
// has a comma, a code line any text, a job at least one record), is refused and changes nothing.
// Ends Done, FileNotReadable, NotText, NoRecords or DatabaseError (the store has said why; the
// table is as it was).
//
// For points, `shownCodes`, when given, receives the codes the list shows with the blanks the
// file gave them (the table keeps them trimmed), for the rows where the two differ.
Outcome ImportFile(CProjectStore& store, ImportType dataType, int formatIndex, const QString& path,
                   ListCellOverlay* shownCodes = nullptr);
