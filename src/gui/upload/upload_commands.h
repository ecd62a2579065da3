#pragma once

class CCommandActions;
class QWidget;
struct TransferContext;

// The upload: show the coordinates, then open a new upload dialog over `owner`.
void RegisterUploadCommands(CCommandActions& commands, const TransferContext& context, QWidget& owner);
