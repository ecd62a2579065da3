#include "gui/download/download_commands.h"

#include "core/views/data_kind.h"
#include "gui/download/download_dlg.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/toolkit/modeless.h"

void RegisterDownloadCommands(CCommandActions& commands, const TransferContext& context, QWidget& owner)
{
    commands.Handle(Command::Download, [context, &owner] {
        context.session.SetCurrentKind(DataKind::Meas);
        context.session.UpdateViews();
        ShowModelessAt(new CDownloadDlg(context), &owner);
    });
}
