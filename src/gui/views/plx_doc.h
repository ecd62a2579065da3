#pragma once

#include <QObject>

// Holds no data: it is what tells the views that the current data kind has changed.
class CPlxDoc : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    void UpdateAllViews() { emit ViewsNeedUpdate(); }

signals:
    void ViewsNeedUpdate();
};
