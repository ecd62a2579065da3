#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;

struct LockKeyState
{
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// What the system says of the three lock keys now: X11 through its keyboard extension, Windows
// through the key states. Nothing where the platform cannot tell (Wayland, no display at all).
std::optional<LockKeyState> QueryLockKeys();

// Keeps three status-bar panes in step with the lock keys: a pane shows its text while its key
// is on and stays blank (keeping its width) while it is off. Where the platform cannot tell,
// the panes are hidden rather than lit forever. The keys are read again after every key
// press or release that reaches the application and whenever the application becomes active.
class CLockKeyIndicators : public QObject
{
    Q_OBJECT
public:
    using Query = std::function<std::optional<LockKeyState>()>;

    CLockKeyIndicators(QLabel* caps, QLabel* num, QLabel* scroll, Query query = QueryLockKeys,
                       QObject* parent = nullptr);

    // Reads the keys and sets the panes at once.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pane
    {
        QLabel* label;
        QString text;
    };
    void Show(const Pane& pane, bool known, bool on) const;

    Pane m_caps;
    Pane m_num;
    Pane m_scroll;
    Query m_query;
    bool m_refreshPending = false;
};
