#include "gui/download/download_commands.h"

#include "gui/app/command_ids.h"
#include "gui/app/merion_app.h"
#include "gui/download/download_dlg.h"
#include "gui/toolkit/modeless.h"
#include "core/views/data_kind.h"
#include "gui/views/plx_doc.h"
#include "gui/views/plx_view.h"

void RegisterDownloadCommands(CMerionApp& app, CPlxView& view)
{
    view.RegisterCommand(Command::Download, [&app, &view] {
        app.SetCurrentKind(DataKind::Meas);
        app.Document().UpdateAllViews();
        ShowModelessAt(new CDownloadDlg(app), &view);
    });
}
