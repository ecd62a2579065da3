#pragma once

#include "gui/shell/command.h"
#include "gui/toolkit/cool_tab_ctrl.h"

#include <QStyle>

class CCommandActions;
class CCoolButtonList;

// The left command panel: the pages of the command table ("文件管理", "数据编辑", "串口通讯"),
// one open at a time with the headers of the others at the bottom; each page a list of buttons
// that run their commands.
class CCommandPanel : public CCoolTabCtrl
{
    Q_OBJECT
public:
    CCommandPanel(const CCommandActions& commands, QWidget* parent = nullptr);

    CCoolButtonList* ButtonList(int page) const;

private:
    QIcon PanelIcon(QStyle::StandardPixmap which) const;
};
