#pragma once

#include "core/views/list_rows.h"

#include <QString>

#include <memory>

class CMerionApp;
class CPlxView;
class QSettings;

// What the list shows, row by row, read afresh from the table in the stored order (a sort of
// the view never reaches a file): the exports write exactly this.
std::unique_ptr<IListRows> ShownRows(CMerionApp& app, const CPlxView& view);

// A plain save dialog over the view's window, in the folder of the last export; the chosen
// path, empty when cancelled.
QString AskSavePath(CPlxView& view, QSettings* settings, const QString& filter, const QString& suffix);
