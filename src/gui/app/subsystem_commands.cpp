#include "app/subsystem_commands.h"

#include "download/download_commands.h"
#include "edit/edit_commands.h"
#include "files/file_commands.h"
#include "files/meas_export_commands.h"
#include "link/link_commands.h"
#include "upload/upload_commands.h"

void RegisterSubsystemCommands(CMerionApp& app, CPlxView& view)
{
    // One line per subsystem.
    RegisterEditCommands(app, view);
    RegisterFileCommands(app, view);
    RegisterMeasExportCommands(app, view);
    RegisterLinkCommands(app, view);
    RegisterUploadCommands(app, view);
    RegisterDownloadCommands(app, view);
}
