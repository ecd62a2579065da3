#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A place on a page of a PDF, in points from the page's top left corner.
struct PdfPlace
{
    int page = 0; // from 0
    double top = 0;
};

// A bookmark of the PDF's outline; a level-2 entry belongs to the level-1 entry before it.
struct PdfBookmark
{
    int level = 1;
    QString title;
    PdfPlace at;
};

// A clickable area (in points from its page's top left corner) that leads to a place.
struct PdfLink
{
    int page = 0;
    QRectF area;
    PdfPlace to;
};

// Adds an outline (the viewer's bookmarks, shown when the file opens) and internal links to
// a PDF written by Qt, as an incremental update appended to the file: the objects Qt wrote
// stay as they are. False, with the reason in `error`, when the file is not laid out as
// expected; the file is then unchanged.
bool AddOutlineAndLinks(const QString& path, const QList<PdfBookmark>& bookmarks, const QList<PdfLink>& links,
                        QString& error);
