#include "gui/toolkit/cool_button_list.h"

#include "gui/toolkit/cool_tip_ctrl.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace
{
constexpr int IconSlot = 32;
constexpr int IconSize = 30;
constexpr int IconTop = 2;
constexpr int LabelTop = 34;
constexpr int TipIconSize = 32;
constexpr int TipDelay = 15;
constexpr int ScrollButtonSize = 12;
constexpr int ScrollButtonInset = 15; // from the right edge, and the down button from the bottom
constexpr int ScrollUpTop = 3;
constexpr QSize TipStartSize(100, 100); // the tip sizes itself to its texts before each showing

QToolButton* MakeScrollButton(QWidget* parent, Qt::ArrowType arrow, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(ScrollButtonSize, ScrollButtonSize);
    return button;
}
} // namespace

CCoolButtonList::CCoolButtonList(QWidget* parent)
    : QWidget(parent),
      m_up(MakeScrollButton(this, Qt::UpArrow, QStringLiteral("scrollUp"))),
      m_down(MakeScrollButton(this, Qt::DownArrow, QStringLiteral("scrollDown"))),
      m_tip(new CCoolTipCtrl(TipStartSize, this, CCoolTipCtrl::SizeToTexts | CCoolTipCtrl::SoftOpacity))
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_hoverTimer.setInterval(HoverInterval);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CCoolButtonList::OnHoverTick);
    connect(m_up, &QToolButton::clicked, this, &CCoolButtonList::ScrollUp);
    connect(m_down, &QToolButton::clicked, this, &CCoolButtonList::ScrollDown);
    PlaceScrollButtons();
}

int CCoolButtonList::AddButton(int iconIndex, const QString& label, int command, const QString& toolTip)
{
    m_buttons.append(Button{iconIndex, label, command, toolTip});
    PlaceScrollButtons();
    update();
    return Count() - 1;
}

QPixmap CCoolButtonList::IconOf(int index) const
{
    const int image = m_buttons.at(index).iconIndex;
    if (image < 0 || image >= m_images.size())
        return QPixmap();
    return m_images[image].pixmap(QSize(IconSize, IconSize));
}

int CCoolButtonList::IndexOfCommand(int command) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_buttons[i].command == command)
            return i;
    return -1;
}

QRect CCoolButtonList::ItemRect(int index) const
{
    return QRect(0, (index - m_top) * ItemHeight, width(), ItemHeight);
}

int CCoolButtonList::ItemAt(const QPoint& point) const
{
    if (!rect().contains(point))
        return -1;
    const int index = m_top + point.y() / ItemHeight;
    return index < Count() ? index : -1;
}

int CCoolButtonList::LastTopIndex() const
{
    return std::max(0, Count() - height() / ItemHeight);
}

void CCoolButtonList::ScrollUp()
{
    if (m_top > 0)
        --m_top;
    PlaceScrollButtons();
    update();
}

void CCoolButtonList::ScrollDown()
{
    if (m_top < LastTopIndex())
        ++m_top;
    PlaceScrollButtons();
    update();
}

void CCoolButtonList::PlaceScrollButtons()
{
    // A list made taller shows the entries it has instead of blank space under the last one.
    m_top = std::min(m_top, LastTopIndex());
    m_up->move(width() - ScrollButtonInset, ScrollUpTop);
    m_down->move(width() - ScrollButtonInset, height() - ScrollButtonInset);
    m_up->setEnabled(m_top > 0);
    m_down->setEnabled(m_top < LastTopIndex());
    m_up->raise();
    m_down->raise();
}

void CCoolButtonList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceScrollButtons();
}

void CCoolButtonList::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (int i = m_top; i < Count(); ++i)
    {
        const QRect item = ItemRect(i);
        if (item.top() > height())
            break;
        if (!item.intersects(event->rect()))
            continue;
        const Button& button = m_buttons[i];
        const QPixmap icon = IconOf(i);
        if (!icon.isNull())
            painter.drawPixmap(item.left() + (item.width() - IconSlot) / 2, item.top() + IconTop, icon);
        const bool hot = m_hovering && i == m_hot;
        painter.setPen(hot ? QColor(0, 0, 255) : QColor(Qt::black));
        const QRect label(item.left(), item.top() + LabelTop, item.width(), item.height() - LabelTop);
        painter.drawText(label, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, button.label);
    }
}

void CCoolButtonList::mouseMoveEvent(QMouseEvent* event)
{
    m_lastPosition = event->position().toPoint();
    m_hoverTimer.start();
}

void CCoolButtonList::OnHoverTick()
{
    if (!QRect(mapToGlobal(QPoint(0, 0)), size()).contains(QCursor::pos()))
    {
        m_hovering = false;
        if (m_hot >= 0)
            update(ItemRect(m_hot));
        m_hot = -1;
        m_hoverTimer.stop();
        return;
    }
    m_hovering = true;
    const int index = ItemAt(m_lastPosition);
    if (index < 0 || index == m_hot)
        return;
    if (m_hot >= 0)
        update(ItemRect(m_hot));
    update(ItemRect(index));
    m_hot = index;
    ShowTipFor(index);
}

void CCoolButtonList::ShowTipFor(int index)
{
    const Button& button = m_buttons[index];
    // The empty entry at the end has nothing to say; a blank tip would only get in the way.
    if (button.label.isEmpty() && button.toolTip.isEmpty())
        return;
    const QRect item = ItemRect(index);
    m_tip->SetAnchor(QRect(mapToGlobal(item.topLeft()), item.size()));
    m_tip->SetKeepClear(QRect(mapToGlobal(QPoint(0, 0)), size()));
    m_tip->SetBody(button.toolTip);
    m_tip->SetTitle(button.label);
    m_tip->SetDelay(TipDelay);
    const bool hasIcon = button.iconIndex >= 0 && button.iconIndex < m_images.size();
    const QPixmap icon = hasIcon ? m_images[button.iconIndex].pixmap(QSize(TipIconSize, TipIconSize)) : QPixmap();
    m_tip->SetIcon(icon.isNull() ? icon : icon.scaled(TipIconSize, TipIconSize, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation),
                   TipIconSize, TipIconSize);
    m_tip->RequestShow();
}

void CCoolButtonList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = ItemAt(event->position().toPoint());
    if (index >= 0)
        emit CommandRequested(m_buttons[index].command);
}
