#pragma once

#include "core/report/shown_text.h"

#include <QString>

// The fixed texts of the file operations: their messages and what they write besides the data.
namespace FilesTexts
{
inline constexpr ShownText OpenFileFailed = QT_TRANSLATE_NOOP("MERION", "Open file failed!");
inline constexpr ShownText DataExportSuccess = QT_TRANSLATE_NOOP("MERION", "Data Export Success!");
inline constexpr ShownText ExportSuccess = QT_TRANSLATE_NOOP("MERION", "Export Success!");
inline constexpr ShownText MemoryFull = QT_TRANSLATE_NOOP("MERION", "Memory Full,Max Records is 2999!");
inline constexpr ShownText CannotCreatePath = QT_TRANSLATE_NOOP("MERION", "Can not create a file path!");
inline constexpr ShownText CannotSelectPath = QT_TRANSLATE_NOOP("MERION", "Can not select a file path!");
inline constexpr ShownText Success = QT_TRANSLATE_NOOP("MERION", "Success!");
inline constexpr ShownText ExportDataSuccess = QT_TRANSLATE_NOOP("MERION", "Export Data Success!");
// An import refuses what is no text of records and keeps the old rows.
inline constexpr ShownText BinaryFile = QT_TRANSLATE_NOOP("MERION", "The file is not a text file (it holds binary data): nothing was imported, the old rows are kept.");
inline constexpr ShownText NoRecords = QT_TRANSLATE_NOOP("MERION", "No line of the file gives a record: nothing was imported, the old rows are kept.");
// %1 is the line's number, %2 the longest line read.
inline constexpr ShownText LineTooLong = QT_TRANSLATE_NOOP("MERION", "Line %1 of the file is longer than %2 bytes: it is no file of records. Nothing was imported, the old rows are kept.");
// A write that failed part way: the reason is the system's own words, in its language.
inline constexpr ShownText NotWritten = QT_TRANSLATE_NOOP("MERION", "The file could not be written: the file that was there is kept.");
inline constexpr ShownText NotWrittenBecause = QT_TRANSLATE_NOOP("MERION", "The file could not be written (%1): the file that was there is kept.");
// A chosen file that would overwrite or unlock the project itself.
inline constexpr ShownText ProjectFile = QT_TRANSLATE_NOOP("MERION", "%1 is the project database or one of its own files: it was neither read nor written. Choose another file.");
inline constexpr ShownText NameNotEncodable = QT_TRANSLATE_NOOP("MERION", "The file name %1 holds characters the file system's encoding cannot give: nothing was read or written. Rename the file or folder.");
inline constexpr ShownText NotPlainName = QT_TRANSLATE_NOOP("MERION", "The folder name %1 must be a plain name, without / or \\ and not \".\" or \"..\": nothing was written.");

// A row that fixed columns cannot carry (see FieldBreaksColumns).
inline constexpr ShownText RowBreaksColumns = QT_TRANSLATE_NOOP("MERION", "Row %1 cannot be written in this format: its field \"%2\" holds a line break or the separator. Nothing was written; a .csv file keeps such fields.");

// Why a write failed, with the system's reason where it gave one.
inline QString WriteFailed(const QString& reason)
{
    return reason.isEmpty() ? NotWritten.Text() : NotWrittenBecause.Arg(reason);
}

// The field is shown with its line breaks spelled out, so that the message stays one paragraph.
inline QString FieldBreaksColumns(qlonglong row, QString field)
{
    field.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return RowBreaksColumns.Arg(row, field);
}
}
