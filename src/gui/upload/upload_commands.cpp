#include "gui/upload/upload_commands.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "gui/toolkit/modeless.h"
#include "gui/upload/upload_dlg.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_view.h"

void RegisterUploadCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::Upload, [&app, &view] {
        view.ShowTable(DataKind::Coor);
        ShowModelessAt(new CUploadDlg(app), &view);
    });
}
