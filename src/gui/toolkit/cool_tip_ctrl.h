#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>

// A fading tip window: a bold title, a body text and an icon on a pale yellow ground with a
// soft shadow. A show request waits a number of 100 ms ticks while the cursor stays in the
// anchor rectangle, then places the tip and fades it in; once the cursor leaves the anchor it
// fades out again. The tip goes 20 pixels below the cursor, or, when it has an area to keep
// clear (the buttons it describes), beside that area level with the anchor, on whichever side
// the screen has room. It always stays on the screen.
class CCoolTipCtrl : public QWidget
{
    Q_OBJECT
public:
    enum Flag
    {
        SizeToTexts = 1, // size the window to its texts before showing
        SoftOpacity = 2, // full opacity is 230 instead of 255
        ShowAgain = 8,   // show again once the current fade-out has ended
    };
    enum class State
    {
        Hidden,
        Waiting,
        FadingIn,
        Shown,
        FadingOut,
    };
    // The three timers, by number: the show countdown (100 ms), the fade steps (30 ms) and the
    // watch on the anchor (500 ms).
    enum Timer
    {
        Countdown = 1,
        Fade = 2,
        Watch = 3,
    };
    static constexpr int ShadowWidth = 4;
    static constexpr int BelowCursor = 20;
    static constexpr int BesideGap = 4; // between the tip and the area it keeps clear

    CCoolTipCtrl(QSize size, QWidget* parent, int flags);

    void SetTitle(const QString& title) { m_title = title; }
    void SetBody(const QString& body) { m_body = body; }
    void SetIcon(const QPixmap& icon, int width, int height);
    void SetAnchor(const QRect& screenRect) { m_anchor = screenRect; }
    void SetKeepClear(const QRect& screenRect) { m_keepClear = screenRect; }
    void SetDelay(int ticks) { m_delay = ticks; }
    void RequestShow();

    // What a timer does when it fires; the timers call it, tests may too.
    void Tick(int timer);

    State CurrentState() const { return m_state; }
    int Opacity() const { return m_opacity; }
    bool IsTimerRunning(int timer) const { return m_timers[timer - 1]->isActive(); }
    QString Title() const { return m_title; }
    QString Body() const { return m_body; }

    // The window size for these texts and an icon of this size: 6 pixels per character cell
    // (a Chinese character takes two), 12 per line, room for the title, the icon and the borders.
    static QSize SizeForTexts(const QString& title, const QString& body, int iconWidth, int iconHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Start(int timer) { m_timers[timer - 1]->start(); }
    void Stop(int timer) { m_timers[timer - 1]->stop(); }
    void StartFadeOut();
    void Place();
    QPoint PlaceFor(const QSize& size, const QPoint& cursor) const;
    void CaptureBehind(const QRect& screenRect);
    void SetOpacity(int opacity);
    bool CursorInAnchor() const;

    QString m_title;
    QString m_body;
    QPixmap m_icon;
    int m_iconWidth = 0;
    int m_iconHeight = 0;
    QColor m_background{250, 255, 225};
    QColor m_titleColour{Qt::black};
    QColor m_bodyColour{Qt::black};
    int m_delay = 10;
    int m_counter = 0;
    QRect m_anchor{QPoint(0, 0), QPoint(8888, 6666)};
    QRect m_keepClear;
    int m_flags;
    int m_opacity = 0;
    State m_state = State::Shown;
    QImage m_behind; // the screen behind the window, darkened along the shadow band
    std::array<QTimer*, 3> m_timers{};
};
