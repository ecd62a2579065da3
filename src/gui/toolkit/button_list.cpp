#include "toolkit/button_list.h"

#include <QToolButton>
#include <QVBoxLayout>

CButtonList::CButtonList(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(4, 6, 4, 6);
    m_layout->setSpacing(8);
    m_layout->addStretch(1);
}

void CButtonList::AddButton(const QIcon& icon, const QString& label, int command, const QString& toolTip,
                            const QString& statusTip)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("cmd_%1").arg(command));
    button->setIcon(icon);
    button->setIconSize(QSize(30, 30));
    button->setText(label);
    button->setToolTip(toolTip);
    button->setStatusTip(statusTip);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &QToolButton::clicked, this, [this, command] { emit CommandRequested(command); });
    m_layout->insertWidget(m_layout->count() - 1, button);
}
