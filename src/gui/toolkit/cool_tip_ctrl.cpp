#include "gui/toolkit/cool_tip_ctrl.h"

#include "gui/toolkit/toolkit_font.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace
{
constexpr int PixelsPerCell = 6;
constexpr int PixelsPerLine = 12;
constexpr int Margin = 5;
constexpr int TitleLine = 15;
constexpr int MaxWidthWithTitle = 194;
constexpr int CountdownTickMs = 100;
constexpr int WatchMs = 500;
constexpr int FadeFrameMs = 30;
constexpr int FadeStep = 28;        // opacity gained or lost per frame
constexpr int FadedIn = 229;        // a fade-in past this opacity is complete
constexpr int SoftFull = 230;
constexpr int Full = 255;
constexpr int ShowAgainOpacity = 10; // where a tip being replaced starts its quick fade-out

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

CCoolTipCtrl::CCoolTipCtrl(QSize size, QWidget* parent, Options options)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_options(options)
{
    setWindowTitle(QStringLiteral("COOL_TIP_CTRL_WINDOW"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(size);
    m_countdown.setInterval(CountdownTickMs);
    connect(&m_countdown, &QTimer::timeout, this, [this] { Tick(Clock::Countdown); });
    m_watch.setInterval(WatchMs);
    connect(&m_watch, &QTimer::timeout, this, [this] { Tick(Clock::Watch); });
    // The fade runs on Qt's animation clock; its value is the opacity, following a straight line
    // of FadeStep per frame, so a fade takes the same time however often the screen updates.
    m_fade.setEasingCurve(QEasingCurve::Linear);
    connect(&m_fade, &QVariantAnimation::valueChanged, this, &CCoolTipCtrl::OnFadeValue);
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
    return !m_anchor || m_anchor->contains(QCursor::pos());
}

int CCoolTipCtrl::FullOpacity() const
{
    return m_options.testFlag(SoftOpacity) ? SoftFull : Full;
}

bool CCoolTipCtrl::IsRunning(Clock clock) const
{
    switch (clock)
    {
    case Clock::Countdown: return m_countdown.isActive();
    case Clock::Fade: return m_fade.state() == QAbstractAnimation::Running;
    case Clock::Watch: return m_watch.isActive();
    }
    return false;
}

void CCoolTipCtrl::SetOpacity(int opacity)
{
    m_opacity = opacity;
    setWindowOpacity(opacity / 255.0);
}

void CCoolTipCtrl::StartWaiting(int ticks)
{
    m_counter = ticks;
    m_countdown.start();
    m_watch.start();
    m_state = State::Waiting;
}

void CCoolTipCtrl::StartFade(State direction)
{
    // The line runs from the opacity now to the first frame past its end: full opacity going
    // in, below zero going out; OnFadeValue stops it there.
    const int frames = direction == State::FadingIn ? (FadedIn - m_opacity) / FadeStep + 1 : m_opacity / FadeStep + 1;
    const int sign = direction == State::FadingIn ? 1 : -1;
    m_state = direction;
    m_fade.stop();
    m_fade.setStartValue(double(m_opacity));
    m_fade.setEndValue(double(m_opacity + sign * FadeStep * frames));
    m_fade.setDuration(frames * FadeFrameMs);
    m_fade.start();
}

void CCoolTipCtrl::OnFadeValue(const QVariant& value)
{
    if (m_fade.state() != QAbstractAnimation::Running)
        return; // the start value, set while stopped
    const int opacity = qRound(value.toDouble());
    if (m_state == State::FadingIn)
    {
        if (opacity <= FadedIn)
            return SetOpacity(opacity);
        m_fade.stop();
        SetOpacity(FullOpacity());
        m_watch.start();
        m_state = State::Shown;
    }
    else if (m_state == State::FadingOut)
    {
        if (opacity >= 0)
            return SetOpacity(opacity);
        m_fade.stop();
        SetOpacity(0);
        m_watch.stop();
        hide();
        m_state = State::Hidden;
        if (std::exchange(m_showAgain, false))
            StartWaiting(1);
    }
}

void CCoolTipCtrl::StartFadeOut()
{
    m_countdown.stop();
    m_watch.stop();
    StartFade(State::FadingOut);
}

void CCoolTipCtrl::RequestShow()
{
    switch (m_state)
    {
    case State::Hidden:
    case State::Waiting:
        StartWaiting(m_delay);
        return;
    case State::FadingIn:
    case State::Shown:
    case State::FadingOut:
        // Clear the old tip away quickly, then count down afresh for the new one.
        m_countdown.stop();
        m_watch.stop();
        SetOpacity(ShowAgainOpacity);
        StartFade(State::FadingOut);
        m_showAgain = true;
        return;
    }
}

void CCoolTipCtrl::Tick(Clock clock)
{
    switch (clock)
    {
    case Clock::Countdown:
        if (m_state != State::Waiting || --m_counter > 0)
            return;
        m_countdown.stop();
        if (!CursorInAnchor())
        {
            m_watch.stop();
            m_state = State::Hidden;
            return;
        }
        Place();
        return;
    case Clock::Fade:
        if (m_fade.state() == QAbstractAnimation::Running)
            m_fade.setCurrentTime(m_fade.currentTime() + FadeFrameMs);
        return;
    case Clock::Watch:
        if (m_state == State::Waiting || m_state == State::FadingIn || m_state == State::Shown)
            if (!CursorInAnchor())
                StartFadeOut();
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
        at = QPoint(m_keepClear.right() + 1 + BesideGap, m_anchor ? m_anchor->top() : cursor.y());
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
    const QSize size =
        m_options.testFlag(SizeToTexts) ? SizeForTexts(m_title, m_body, m_iconWidth, m_iconHeight) : this->size();
    const QRect screenRect(PlaceFor(size, QCursor::pos()), size);
    CaptureBehind(screenRect);
    SetOpacity(0);
    setGeometry(screenRect);
    show();
    raise();
    update();
    StartFade(State::FadingIn);
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
