#pragma once

#include <QIcon>
#include <QList>
#include <QPoint>
#include <QTimer>
#include <QWidget>

class CCoolTipCtrl;
class QToolButton;

// A column of large buttons: each a 30 × 30 icon with its label below, 48 pixels high. The
// label under the cursor turns blue, a fading tip describes the button, and a click sends the
// button's command. Two small arrows at the right edge scroll the column by one button, down
// only as long as buttons remain below the visible ones. The tip goes beside the column,
// never over the buttons.
class CCoolButtonList : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ItemHeight = 48;
    static constexpr int HoverInterval = 10; // ms between looks at the cursor while it is inside

    explicit CCoolButtonList(QWidget* parent = nullptr);

    void SetImageList(const QList<QIcon>& icons) { m_images = icons; }
    // Appends a button and returns its position; a negative icon index shows no icon.
    int AddButton(int iconIndex, const QString& label, int command, const QString& toolTip);

    int Count() const { return int(m_buttons.size()); }
    QString Label(int index) const { return m_buttons.at(index).label; }
    int CommandOf(int index) const { return m_buttons.at(index).command; }
    QString ToolTipOf(int index) const { return m_buttons.at(index).toolTip; }
    QPixmap IconOf(int index) const; // as drawn; null when the button has none
    int IndexOfCommand(int command) const;
    QRect ItemRect(int index) const; // where the button is drawn now, in the list's coordinates
    int ItemAt(const QPoint& point) const;

    int HotIndex() const { return m_hot; }
    bool IsHovering() const { return m_hovering; }
    bool IsTrackingCursor() const { return m_hoverTimer.isActive(); }
    int TopIndex() const { return m_top; }
    // The largest top index: the one that shows the last entry at the bottom of the list.
    int LastTopIndex() const;
    void ScrollUp();
    void ScrollDown();
    CCoolTipCtrl* Tip() const { return m_tip; }

signals:
    void CommandRequested(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Button
    {
        int iconIndex;
        QString label;
        int command;
        QString toolTip;
    };

    void OnHoverTick();
    void ShowTipFor(int index);
    void PlaceScrollButtons();

    QList<Button> m_buttons;
    QList<QIcon> m_images;
    int m_hot = -1;
    bool m_hovering = false;
    QPoint m_lastPosition;
    int m_top = 0;
    QTimer m_hoverTimer;
    QToolButton* m_up;
    QToolButton* m_down;
    CCoolTipCtrl* m_tip;
};
