#include "gui/toolkit/combo_width.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

void ReserveWidthFor(QComboBox* list, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts)
        widest = qMax(widest, list->fontMetrics().horizontalAdvance(text));
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QSize contents(widest, list->fontMetrics().height());
    const QSize needed = list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, list);
    list->setMinimumWidth(qMax(list->minimumWidth(), needed.width()));
}
