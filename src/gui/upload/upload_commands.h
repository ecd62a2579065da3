#pragma once

class CMerionApp;
class CPlxView;

// 57676: show the coordinates, then open a new upload dialog.
void RegisterUploadCommands(CMerionApp& app, CPlxView& view);
