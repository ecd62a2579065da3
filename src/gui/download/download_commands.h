#pragma once

class CCommandActions;
class CSerialLine;
class CSession;
class QStatusBar;
class QWidget;
struct TransferChoices;

// The serial data download: the list switches to the job's columns and a new download dialog
// opens over `owner`.
void RegisterDownloadCommands(CCommandActions& commands, CSession& session, CSerialLine& line,
                              TransferChoices& choices, QStatusBar* statusBar, QWidget& owner);
