#pragma once

class CCommandActions;
class QWidget;
struct TransferContext;

// The serial data download: the list switches to the job's columns and a new download dialog
// opens over `owner`.
void RegisterDownloadCommands(CCommandActions& commands, const TransferContext& context, QWidget& owner);
