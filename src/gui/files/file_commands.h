#pragma once

class CMerionApp;
class CPlxView;

// Text import (57645), list export (171), output file (57610), data export (32790) and the
// SD-card files (57647).
void RegisterFileCommands(CMerionApp& app, CPlxView& view);
