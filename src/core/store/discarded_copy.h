#pragma once

#include <QDateTime>
#include <QString>

class CProjectStore;

// Empties `table` inside the caller's transaction (an import, a download, a "delete all", the
// end of a desktop run). A hand-kept list (Schema::HandKeptTables) that holds rows is first
// copied to discarded/YYYYMMDD-HHMMSS-<table>.csv beside the database (…-2, -3 when the name is
// taken): UTF-8 with its byte-order mark, CR LF, one line per row in the stored order, the
// points as "name,N,E,Z,code" and the codes as "number,text", as the point import (column
// order 1) and the code import read them back; the alignment as "type,start,radius,N,E". Its
// hand-work mark goes with the rows. False when the copy cannot be written (told through the
// store's reporter, naming the file and the reason) or the store refused (it has said why):
// then nothing is deleted.
bool DiscardRows(CProjectStore& store, const QString& table, const QDateTime& when = QDateTime::currentDateTime());

// The end of a desktop run: every scratch table emptied in one transaction, each hand-kept list
// copied first. A project opened for reading keeps its lists; a failure (told) keeps them all.
bool EmptyScratchTables(CProjectStore& store);
