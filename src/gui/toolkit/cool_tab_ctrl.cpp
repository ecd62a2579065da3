#include "gui/toolkit/cool_tab_ctrl.h"

#include "gui/toolkit/toolkit_font.h"

#include <QMouseEvent>
#include <qdrawutil.h>
#include <QPainter>

namespace
{
// The control's sunken frame: grey along the top and left, white along the bottom and right.
const QColor FrameShade(157, 157, 155);

// The two shades of a 3-D edge: a raised one is light along the top and left, a sunken one dark.
QPalette Shades(const QColor& light, const QColor& dark)
{
    QPalette shades;
    shades.setColor(QPalette::Light, light);
    shades.setColor(QPalette::Dark, dark);
    return shades;
}
} // namespace

CCoolTabCtrl::CCoolTabCtrl(QWidget* parent)
    : QWidget(parent), m_headerFont(ToolkitChineseFont(12, QFont::Normal))
{
    setCursor(Qt::ArrowCursor);
}

bool CCoolTabCtrl::AddPage(QWidget* page, const QString& title, const QIcon& icon)
{
    if (!page)
        return false;
    page->setParent(this);
    m_pages.append(PageRecord{page, title, icon, false, QRect()});
    LayOut();
    return true;
}

void CCoolTabCtrl::SelectPage(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    m_current = index;
    LayOut();
}

void CCoolTabCtrl::LayOut()
{
    if (m_pages.isEmpty())
        return;
    const QRect frame = rect().adjusted(1, 1, -1, -1);
    const int n = PageCount();
    const int frameBottom = frame.top() + frame.height(); // one past the last row
    for (int i = 0; i < n; ++i)
    {
        const int top = i <= m_current ? frame.top() + HeaderHeight * i : frameBottom - HeaderHeight * (n - i);
        m_pages[i].header = QRect(frame.left(), top, frame.width(), HeaderHeight);
    }
    m_client = frame.adjusted(0, HeaderHeight * (m_current + 1), 0, -HeaderHeight * (n - m_current - 1));
    for (int i = 0; i < n; ++i)
    {
        if (i == m_current)
            continue;
        m_pages[i].window->hide();
    }
    QWidget* current = m_pages[m_current].window;
    current->setGeometry(m_client);
    current->show();
    current->repaint();
    update();
}

void CCoolTabCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void CCoolTabCtrl::paintEvent(QPaintEvent*)
{
    // Qt paints double-buffered already; the open page's own widget covers the client area.
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    qDrawShadePanel(&painter, rect(), Shades(Qt::white, FrameShade), /*sunken=*/true);
    painter.setFont(m_headerFont);
    for (int i = 0; i < PageCount(); ++i)
        if (i != m_current)
            PaintHeader(painter, m_pages[i]);
    if (!m_pages.isEmpty())
        PaintHeader(painter, m_pages[m_current]);
}

void CCoolTabCtrl::PaintHeader(QPainter& painter, const PageRecord& page) const
{
    painter.fillRect(page.header, palette().button());
    // A raised header, flat while the mouse holds it down.
    if (page.pressed)
        qDrawPlainRect(&painter, page.header, palette().button().color());
    else
        qDrawShadePanel(&painter, page.header, Shades(Qt::white, palette().dark().color()), /*sunken=*/false);
    if (!page.icon.isNull())
        painter.drawPixmap(page.header.left() + 3, page.header.top() + 1, page.icon.pixmap(QSize(16, 16)));
    painter.setPen(Qt::black);
    painter.drawText(page.header, Qt::AlignCenter | Qt::TextSingleLine, page.title);
}

int CCoolTabCtrl::HeaderAt(const QPoint& point) const
{
    for (int i = 0; i < PageCount(); ++i)
        if (m_pages[i].header.contains(point))
            return i;
    return -1;
}

void CCoolTabCtrl::mousePressEvent(QMouseEvent* event)
{
    // Qt grabs the mouse for this widget until the button is released.
    if (event->button() != Qt::LeftButton)
        return;
    m_pressedHeader = HeaderAt(event->position().toPoint());
    if (m_pressedHeader < 0)
        return;
    m_pages[m_pressedHeader].pressed = true;
    update();
}

void CCoolTabCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressedHeader < 0)
        return;
    PageRecord& page = m_pages[m_pressedHeader];
    const bool over = page.header.contains(event->position().toPoint());
    if (over != page.pressed)
    {
        page.pressed = over;
        update();
    }
}

void CCoolTabCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressedHeader < 0)
        return;
    const int released = m_pressedHeader;
    m_pressedHeader = -1;
    m_pages[released].pressed = false;
    update();
    if (released != m_current && m_pages[released].header.contains(event->position().toPoint()))
        SelectPage(released);
}
