#include "gui/upload/upload_commands.h"

#include "core/views/data_kind.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/toolkit/modeless.h"
#include "gui/upload/upload_dlg.h"

void RegisterUploadCommands(CCommandActions& commands, CSession& session, CSerialLine& line,
                            TransferChoices& choices, QStatusBar* statusBar, QWidget& owner)
{
    commands.Handle(Command::Upload, [&session, &line, &choices, statusBar, &owner] {
        session.ShowTable(DataKind::Coor);
        ShowModelessAt(new CUploadDlg(session, line, choices, statusBar), &owner);
    });
}
