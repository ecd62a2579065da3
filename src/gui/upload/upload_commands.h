#pragma once

class CCommandActions;
class CSerialLine;
class CSession;
class QStatusBar;
class QWidget;
struct TransferChoices;

// The upload: show the coordinates, then open a new upload dialog over `owner`.
void RegisterUploadCommands(CCommandActions& commands, CSession& session, CSerialLine& line,
                            TransferChoices& choices, QStatusBar* statusBar, QWidget& owner);
