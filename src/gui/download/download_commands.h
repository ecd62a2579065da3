#pragma once

class CMerionApp;
class CPlxView;

// The serial data download (command 57675).
void RegisterDownloadCommands(CMerionApp& app, CPlxView& view);
