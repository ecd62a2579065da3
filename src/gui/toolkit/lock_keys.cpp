#include "gui/toolkit/lock_keys.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

CLockKeyIndicators::CLockKeyIndicators(QLabel* caps, QLabel* num, QLabel* scroll, Query query, QObject* parent)
    : QObject(parent), m_caps{caps, caps->text()}, m_num{num, num->text()}, m_scroll{scroll, scroll->text()},
      m_query(std::move(query))
{
    for (const Pane* pane : {&m_caps, &m_num, &m_scroll})
        pane->label->setMinimumWidth(
            std::max(pane->label->minimumWidth(), pane->label->fontMetrics().horizontalAdvance(pane->text) + 12));
    qApp->installEventFilter(this);
    Refresh();
}

void CLockKeyIndicators::Show(const Pane& pane, bool known, bool on) const
{
    pane.label->setVisible(known);
    if (known)
        pane.label->setText(on ? pane.text : QString());
}

void CLockKeyIndicators::Refresh()
{
    m_refreshPending = false;
    const std::optional<LockKeyState> state = m_query ? m_query() : std::nullopt;
    Show(m_caps, state.has_value(), state && state->capsLock);
    Show(m_num, state.has_value(), state && state->numLock);
    Show(m_scroll, state.has_value(), state && state->scrollLock);
}

bool CLockKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type())
    {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        // A key event passes through several widgets on its way up: one look at the keys
        // after it has been handled is enough.
        if (!m_refreshPending)
        {
            m_refreshPending = true;
            QTimer::singleShot(0, this, &CLockKeyIndicators::Refresh);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
