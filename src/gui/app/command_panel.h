#pragma once

#include "gui/toolkit/cool_tab_ctrl.h"

#include <QStyle>

class CCoolButtonList;

// The left command panel: three stacked pages ("文件管理", "数据编辑", "串口通讯"), one open
// at a time with the headers of the others at the bottom; each page a list of buttons that
// send their commands.
class CCommandPanel : public CCoolTabCtrl
{
    Q_OBJECT
public:
    explicit CCommandPanel(QWidget* parent = nullptr);

    CCoolButtonList* ButtonList(int page) const;

signals:
    void CommandRequested(int command);

private:
    QIcon PanelIcon(QStyle::StandardPixmap which) const;
};
