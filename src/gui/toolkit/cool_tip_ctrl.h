#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

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
    enum Option
    {
        SizeToTexts = 0x1, // size the window to its texts before showing
        SoftOpacity = 0x2, // full opacity is 230 instead of 255
    };
    Q_DECLARE_FLAGS(Options, Option)

    enum class State
    {
        Hidden,
        Waiting,
        FadingIn,
        Shown,
        FadingOut,
    };
    // What drives the tip: the show countdown (ticks of 100 ms), the fade (an animation,
    // 28 steps of opacity every 30 ms) and the watch on the anchor (every 500 ms).
    enum class Clock
    {
        Countdown,
        Fade,
        Watch,
    };
    static constexpr int ShadowWidth = 4;
    static constexpr int BelowCursor = 20;
    static constexpr int BesideGap = 4; // between the tip and the area it keeps clear

    CCoolTipCtrl(QSize size, QWidget* parent, Options options);

    void SetTitle(const QString& title) { m_title = title; }
    void SetBody(const QString& body) { m_body = body; }
    void SetIcon(const QPixmap& icon, int width, int height);
    // The screen rectangle the cursor must stay in; until one is set, the cursor may be anywhere.
    void SetAnchor(const QRect& screenRect) { m_anchor = screenRect; }
    void SetKeepClear(const QRect& screenRect) { m_keepClear = screenRect; }
    void SetDelay(int ticks) { m_delay = ticks; }
    void RequestShow();

    // Lets one period of a clock pass: a countdown tick, one 30 ms frame of the fade, a look at
    // the anchor. The clocks themselves call it; tests may too.
    void Tick(Clock clock);

    State CurrentState() const { return m_state; }
    int Opacity() const { return m_opacity; }
    bool IsRunning(Clock clock) const;
    QString Title() const { return m_title; }
    QString Body() const { return m_body; }

    // The window size for these texts and an icon of this size: 6 pixels per character cell
    // (a Chinese character takes two), 12 per line, room for the title, the icon and the borders.
    static QSize SizeForTexts(const QString& title, const QString& body, int iconWidth, int iconHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StartWaiting(int ticks);
    void StartFade(State direction);
    void OnFadeValue(const QVariant& value);
    void StartFadeOut();
    void Place();
    QPoint PlaceFor(const QSize& size, const QPoint& cursor) const;
    void CaptureBehind(const QRect& screenRect);
    void SetOpacity(int opacity);
    bool CursorInAnchor() const;
    int FullOpacity() const;

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
    std::optional<QRect> m_anchor;
    QRect m_keepClear;
    Options m_options;
    bool m_showAgain = false; // show again once the current fade-out has ended
    int m_opacity = 0;
    State m_state = State::Shown;
    QImage m_behind; // the screen behind the window, darkened along the shadow band
    QTimer m_countdown;
    QTimer m_watch;
    QVariantAnimation m_fade;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CCoolTipCtrl::Options)
