#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CPlxView;

// What the list shows, cell by cell: the exports write exactly this.
QList<QStringList> ShownRows(const CPlxView& view);

// A plain save dialog over the view's window; the chosen path, empty when cancelled.
QString AskSavePath(CPlxView& view, const QString& filter, const QString& suffix);
