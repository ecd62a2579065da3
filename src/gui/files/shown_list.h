#pragma once

#include "core/views/list_rows.h"

#include <QString>

#include <memory>

class CPlxView;
class CProjectStore;
class QSettings;
class QWidget;

// What the list shows, row by row, read afresh from the table in the stored order (a sort of
// the view never reaches a file): the exports write exactly this.
std::unique_ptr<IListRows> ShownRows(CProjectStore& store, const CPlxView& view);

// A plain save dialog over the window of `over`, in the folder of the last export; the chosen
// path, empty when cancelled.
QString AskSavePath(QWidget& over, QSettings* settings, const QString& filter, const QString& suffix);
