#include "link/link_commands.h"

#include "app/command_ids.h"
#include "app/merion_app.h"
#include "link/com_config_dlg.h"
#include "toolkit/modeless.h"
#include "views/plx_view.h"

void RegisterLinkCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::CommSettings, [&app] { ShowModelessAt(new CComConfigDlg(app.Store())); });
}
