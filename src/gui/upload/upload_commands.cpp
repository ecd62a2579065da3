#include "gui/upload/upload_commands.h"

#include "core/views/data_kind.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/toolkit/modeless.h"
#include "gui/upload/upload_dlg.h"

void RegisterUploadCommands(CCommandActions& commands, const TransferContext& context, QWidget& owner)
{
    commands.Handle(Command::Upload, [context, &owner] {
        context.session.ShowTable(DataKind::Coor);
        ShowModelessAt(new CUploadDlg(context), &owner);
    });
}
