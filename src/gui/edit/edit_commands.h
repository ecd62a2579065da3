#pragma once

class CMerionApp;
class CPlxView;

// The list commands add, edit, delete record and delete all, for the coordinate, code and
// alignment lists.
void RegisterEditCommands(CMerionApp& app, CPlxView& view);
