#pragma once

class CMerionApp;
class CPlxView;

// The serial settings command (57614) of the command panel.
void RegisterLinkCommands(CMerionApp& app, CPlxView& view);
