#pragma once

#include <QIcon>
#include <QWidget>

class QVBoxLayout;

// A column of buttons, each a 30 × 30 icon with its label below it and a tool tip; a click
// sends the button's command.
class CButtonList : public QWidget
{
    Q_OBJECT
public:
    explicit CButtonList(QWidget* parent = nullptr);
    void AddButton(const QIcon& icon, const QString& label, int command, const QString& toolTip,
                   const QString& statusTip);

signals:
    void CommandRequested(int command);

private:
    QVBoxLayout* m_layout;
};
