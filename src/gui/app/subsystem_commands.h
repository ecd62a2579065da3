#pragma once

class CMerionApp;
class CPlxView;

// Each subsystem hands the view the commands it handles.
void RegisterSubsystemCommands(CMerionApp& app, CPlxView& view);
