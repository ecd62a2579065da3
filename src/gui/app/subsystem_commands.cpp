#include "gui/app/subsystem_commands.h"

#include "gui/download/download_commands.h"
#include "gui/edit/edit_commands.h"
#include "gui/files/file_commands.h"
#include "gui/files/meas_export_commands.h"
#include "gui/link/link_commands.h"
#include "gui/upload/upload_commands.h"

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
