#include "gui/link/link_commands.h"

#include "gui/link/com_config_dlg.h"
#include "gui/shell/command_actions.h"
#include "gui/toolkit/modeless.h"

void RegisterLinkCommands(CCommandActions& commands, CProjectStore& store, QWidget& owner)
{
    commands.Handle(Command::CommSettings, [&store, &owner] { ShowModelessAt(new CComConfigDlg(store), &owner); });
}
