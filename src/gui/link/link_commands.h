#pragma once

class CCommandActions;
class CProjectStore;
class QWidget;

// The serial settings command of the command panel: its dialog opens over `owner`.
void RegisterLinkCommands(CCommandActions& commands, CProjectStore& store, QWidget& owner);
