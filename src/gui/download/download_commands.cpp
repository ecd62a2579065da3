#include "gui/download/download_commands.h"

#include "core/views/data_kind.h"
#include "gui/download/download_dlg.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/session.h"
#include "gui/toolkit/modeless.h"

void RegisterDownloadCommands(CCommandActions& commands, CSession& session, CSerialLine& line,
                              TransferChoices& choices, QStatusBar* statusBar, QWidget& owner)
{
    commands.Handle(Command::Download, [&session, &line, &choices, statusBar, &owner] {
        session.SetCurrentKind(DataKind::Meas);
        session.UpdateViews();
        ShowModelessAt(new CDownloadDlg(session, line, choices, statusBar), &owner);
    });
}
