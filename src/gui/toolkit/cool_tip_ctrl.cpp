#include "gui/toolkit/cool_tip_ctrl.h"

#include "gui/toolkit/toolkit_font.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace
{
constexpr int PixelsPerCell = 6;
constexpr int PixelsPerLine = 12;
constexpr int Margin = 5;
constexpr int TitleLine = 15;
constexpr int MaxWidthWithTitle = 194;
constexpr int FadeStep = 28;

// Texts are measured in character cells: a Chinese (full-width) character is twice as wide
// as a letter or digit.
int Cells(QStringView text)
{
    int cells = 0;
    for (QChar ch : text)
        cells += ch.unicode() < 0x80 ? 1 : 2;
    return cells;
}

// Scales one pixel's channels by factor/255.
QRgb Darken(QRgb pixel, int factor)
{
    return qRgb(qRed(pixel) * factor / 255, qGreen(pixel) * factor / 255, qBlue(pixel) * factor / 255);
}

// Darkens the shadow band along the right and bottom edges, strongest next to the tip and
// fading outwards; the band starts a few pixels in so that the shadow looks cast down-right.
void DarkenShadowBand(QImage& image)
{
    static constexpr std::array<int, CCoolTipCtrl::ShadowWidth> Factors = {140, 170, 212, 240};
    constexpr int Offset = 6;
    const int w = image.width();
    const int h = image.height();
    const int band = CCoolTipCtrl::ShadowWidth;
    for (int i = 0; i < band; ++i)
    {
        const int y = h - band + i;
        for (int x = Offset; x < w - band; ++x)
            if (y >= 0)
                image.setPixel(x, y, Darken(image.pixel(x, y), Factors[i]));
        const int x = w - band + i;
        for (int yy = Offset; yy < h - band; ++yy)
            if (x >= 0)
                image.setPixel(x, yy, Darken(image.pixel(x, yy), Factors[i]));
    }
    for (int i = 0; i < band; ++i)
        for (int j = 0; j < band; ++j)
        {
            const int x = w - band + j;
            const int y = h - band + i;
            if (x >= 0 && y >= 0)
                image.setPixel(x, y, Darken(image.pixel(x, y), (Factors[i] + Factors[j]) / 2));
        }
}
} // namespace

CCoolTipCtrl::CCoolTipCtrl(QSize size, QWidget* parent, int flags)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_flags(flags)
{
    setWindowTitle(QStringLiteral("COOL_TIP_CTRL_WINDOW"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(size);
    static constexpr std::array<int, 3> Intervals = {100, 30, 500};
    for (int timer = Countdown; timer <= Watch; ++timer)
    {
        auto* qtimer = new QTimer(this);
        qtimer->setInterval(Intervals[timer - 1]);
        connect(qtimer, &QTimer::timeout, this, [this, timer] { Tick(timer); });
        m_timers[timer - 1] = qtimer;
    }
    SetOpacity(0);
}

void CCoolTipCtrl::SetIcon(const QPixmap& icon, int width, int height)
{
    m_icon = icon;
    m_iconWidth = width;
    m_iconHeight = height;
}

QSize CCoolTipCtrl::SizeForTexts(const QString& title, const QString& body, int iconWidth, int iconHeight)
{
    const int titleCells = Cells(title);
    const int wrap = std::max(titleCells, 30);
    QStringList parts = body.split(QLatin1Char('\n'));
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();
    int lines = 0;
    int textCells = 0;
    for (const QString& part : parts)
    {
        const int cells = Cells(part);
        if (cells > wrap)
        {
            lines += 1 + cells / wrap;
            textCells = wrap;
        }
        else
        {
            lines += 1;
            textCells = std::max(textCells, cells);
        }
    }
    const int textWidth = textCells * PixelsPerCell;
    int width = textWidth + 2 * Margin + ShadowWidth;
    int height = lines * PixelsPerLine + 2 * Margin + ShadowWidth;
    if (!title.isEmpty())
    {
        const int titleWidth = 7 * titleCells;
        if (textWidth < 180 && textWidth < titleWidth)
            width += titleWidth;
        width = std::min(width, MaxWidthWithTitle);
        height += TitleLine;
    }
    width += iconWidth + Margin;
    height = std::max(height, iconHeight + 2 * Margin + ShadowWidth);
    return {width, height};
}

bool CCoolTipCtrl::CursorInAnchor() const
{
    return m_anchor.contains(QCursor::pos());
}

void CCoolTipCtrl::SetOpacity(int opacity)
{
    m_opacity = opacity;
    setWindowOpacity(opacity / 255.0);
}

void CCoolTipCtrl::StartFadeOut()
{
    Stop(Countdown);
    Stop(Watch);
    Start(Fade);
    m_state = State::FadingOut;
}

void CCoolTipCtrl::RequestShow()
{
    switch (m_state)
    {
    case State::Hidden:
    case State::Waiting:
        m_counter = m_delay;
        Start(Countdown);
        Start(Watch);
        m_state = State::Waiting;
        return;
    case State::FadingIn:
    case State::Shown:
        // Clear the old tip away quickly, then count down afresh for the new one.
        StartFadeOut();
        [[fallthrough]];
    case State::FadingOut:
        SetOpacity(10);
        m_flags |= ShowAgain;
        return;
    }
}

void CCoolTipCtrl::Tick(int timer)
{
    switch (timer)
    {
    case Countdown:
        if (m_state != State::Waiting || --m_counter > 0)
            return;
        Stop(Countdown);
        if (!CursorInAnchor())
        {
            Stop(Watch);
            m_state = State::Hidden;
            return;
        }
        Place();
        m_state = State::FadingIn;
        return;
    case Fade:
        if (m_state == State::FadingIn)
        {
            if (m_opacity + FadeStep <= 229)
            {
                SetOpacity(m_opacity + FadeStep);
                return;
            }
            SetOpacity(m_flags & SoftOpacity ? 230 : 255);
            Stop(Fade);
            Start(Watch);
            m_state = State::Shown;
        }
        else if (m_state == State::FadingOut)
        {
            if (m_opacity - FadeStep >= 0)
            {
                SetOpacity(m_opacity - FadeStep);
                return;
            }
            SetOpacity(0);
            Stop(Fade);
            Stop(Watch);
            hide();
            m_state = State::Hidden;
            if (m_flags & ShowAgain)
            {
                m_flags &= ~ShowAgain;
                m_counter = 1;
                Start(Countdown);
                Start(Watch);
                m_state = State::Waiting;
            }
        }
        return;
    case Watch:
        if (m_state == State::Waiting || m_state == State::FadingIn || m_state == State::Shown)
            if (!CursorInAnchor())
                StartFadeOut();
        return;
    default:
        return;
    }
}

QPoint CCoolTipCtrl::PlaceFor(const QSize& size, const QPoint& cursor) const
{
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QPoint at = cursor + QPoint(0, BelowCursor);
    if (m_keepClear.isValid())
    {
        at = QPoint(m_keepClear.right() + 1 + BesideGap, m_anchor.top());
        if (area.isValid() && at.x() + size.width() > area.right() + 1)
            at.setX(m_keepClear.left() - BesideGap - size.width());
    }
    if (!area.isValid())
        return at;
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    return at;
}

void CCoolTipCtrl::Place()
{
    const QSize size = m_flags & SizeToTexts ? SizeForTexts(m_title, m_body, m_iconWidth, m_iconHeight) : this->size();
    const QRect screenRect(PlaceFor(size, QCursor::pos()), size);
    CaptureBehind(screenRect);
    SetOpacity(0);
    setGeometry(screenRect);
    show();
    raise();
    update();
    Start(Fade);
}

void CCoolTipCtrl::CaptureBehind(const QRect& screenRect)
{
    QScreen* screen = QGuiApplication::screenAt(screenRect.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QPixmap grabbed;
    if (screen)
    {
        const QPoint origin = screen->geometry().topLeft();
        grabbed = screen->grabWindow(0, screenRect.x() - origin.x(), screenRect.y() - origin.y(), screenRect.width(),
                                     screenRect.height());
    }
    if (grabbed.isNull() || grabbed.size() != screenRect.size())
    {
        // No picture of the screen here: shade a plain band of the window colour instead.
        m_behind = QImage(screenRect.size(), QImage::Format_RGB32);
        m_behind.fill(palette().window().color());
    }
    else
    {
        m_behind = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    }
    DarkenShadowBand(m_behind);
}

void CCoolTipCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client = rect().adjusted(0, 0, -ShadowWidth, -ShadowWidth);
    if (!m_behind.isNull())
    {
        painter.drawImage(QRect(client.right() + 1, 0, ShadowWidth, height()), m_behind,
                          QRect(client.right() + 1, 0, ShadowWidth, height()));
        painter.drawImage(QRect(0, client.bottom() + 1, width(), ShadowWidth), m_behind,
                          QRect(0, client.bottom() + 1, width(), ShadowWidth));
    }
    painter.fillRect(client, m_background);
    painter.setPen(QColor(140, 140, 140));
    painter.drawLine(client.topLeft(), client.topRight());
    painter.drawLine(client.topLeft(), client.bottomLeft());
    painter.setPen(QColor(99, 99, 99));
    painter.drawLine(client.bottomLeft(), client.bottomRight());
    painter.drawLine(client.topRight(), client.bottomRight());

    QRect text = client.adjusted(Margin, Margin, -Margin, -Margin);
    if (!m_icon.isNull())
        painter.drawPixmap(QRect(text.topLeft(), QSize(m_iconWidth, m_iconHeight)), m_icon);
    text.setLeft(text.left() + m_iconWidth + Margin);
    if (!m_title.isEmpty())
    {
        painter.setFont(ToolkitChineseFont(12, 600));
        painter.setPen(m_titleColour);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_title);
        text.setTop(text.top() + TitleLine);
    }
    painter.setFont(ToolkitChineseFont(12, 400));
    painter.setPen(m_bodyColour);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_body);
}
