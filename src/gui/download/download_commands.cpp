#include "download/download_commands.h"

#include "app/command_ids.h"
#include "app/merion_app.h"
#include "download/download_dlg.h"
#include "toolkit/modeless.h"
#include "views/data_kind.h"
#include "views/plx_doc.h"
#include "views/plx_view.h"

void RegisterDownloadCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::Download, [&app] {
        app.SetCurrentKind(DataKind::Meas);
        app.Document().UpdateAllViews();
        ShowModelessAt(new CDownloadDlg(app));
    });
}
