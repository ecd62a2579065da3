#include "upload/upload_commands.h"

#include "app/command_ids.h"
#include "app/merion_app.h"
#include "toolkit/modeless.h"
#include "upload/upload_dlg.h"
#include "views/data_kind.h"
#include "views/plx_view.h"

void RegisterUploadCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::Upload, [&app, &view] {
        view.ShowTable(DataKind::Coor);
        ShowModelessAt(new CUploadDlg(app, app.SerialPort()));
    });
}
