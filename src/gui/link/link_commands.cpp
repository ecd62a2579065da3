#include "gui/link/link_commands.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "gui/link/com_config_dlg.h"
#include "gui/toolkit/modeless.h"
#include "gui/views/plx_view.h"

void RegisterLinkCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::CommSettings,
                         [&app, &view] { ShowModelessAt(new CComConfigDlg(app.Store()), &view); });
}
