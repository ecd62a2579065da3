#pragma once

class CCommandActions;
class CPlxView;
class CSession;

// Text import, list export, output file, data export and the SD-card files: they read and write
// what the list shows.
void RegisterFileCommands(CCommandActions& commands, CSession& session, CPlxView& list);
