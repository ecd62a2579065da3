#pragma once

#include <QPointer>
#include <QWidget>

// What the transfer windows keep between one dialog and the next: the last download type and
// upload selections, and the newest download and upload dialogs.
struct TransferChoices
{
    int downloadType = 0;
    int uploadInstrument = 0;
    int uploadCategory = 0;
    QPointer<QWidget> downloadDialog;
    QPointer<QWidget> uploadDialog;
};
