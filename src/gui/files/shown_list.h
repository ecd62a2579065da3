#pragma once

#include "core/views/list_rows.h"

#include <QString>

#include <memory>

class CPlxView;
class CProjectStore;
class CSession;
class QWidget;

// What the list shows, row by row, read afresh from the table in the stored order (a sort of
// the view never reaches a file): the exports write exactly this.
std::unique_ptr<IListRows> ShownRows(CProjectStore& store, const CPlxView& view);

// A plain save dialog over the window of `over`, in the folder of the last export; the chosen
// path, empty when cancelled or when the file may not be written (AcceptChosenFile).
QString AskSavePath(QWidget& over, CSession& session, const QString& filter, const QString& suffix);

// Whether a file the user chose may be read or written: not one of the project's own files,
// nor a name the file system cannot take. A refusal is told to the user.
bool AcceptChosenFile(CSession& session, const QString& path);
