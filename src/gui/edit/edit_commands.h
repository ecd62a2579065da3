#pragma once

class CCommandActions;
class CPlxView;
class CSession;

// The list commands add, edit, delete record and delete all, for the coordinate, code and
// alignment lists. They act on the list's remembered row and open their dialogs over it.
void RegisterEditCommands(CCommandActions& commands, CSession& session, CPlxView& list);
