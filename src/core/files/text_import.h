#pragma once

#include "core/views/data_kind.h"

#include <QList>
#include <QString>
#include <QStringList>

class CProjectStore;

// What a text file holds, as the import dialog offers it.
// What an import reads; the order is that of the import dialog's data-type list.
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

enum class ImportStatus
{
    Done,
    FileNotOpened, // "Open file failed!" was reported; nothing changed
    StoreFailed,   // the engine's error was reported; the table is as it was
};

// Replaces the table of the data type with the contents of the file at `path` (GBK, or UTF-8
// after a byte-order mark). Coordinates and codes: one row per line, the empty line included,
// numbered from 1; `formatIndex` (0 to 7) chooses the coordinate column order. Jobs go through
// the job parser, version 2 texts through the parser of the record kind `formatIndex` names
// (after emptying that kind's tables); a row the database refuses undoes the whole job. The table's old rows and the new ones change in one transaction.
//
// For coordinates and codes `listRows`, when given, receives the list's cell texts as the
// file gave them (the coordinate code untrimmed, unlike the stored one); a job leaves it empty,
// its list is read from 740Meas.
ImportStatus ImportFile(CProjectStore& store, ImportType dataType, int formatIndex, const QString& path,
                        QList<QStringList>* listRows = nullptr);
