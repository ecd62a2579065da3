#pragma once

#include "core/link/transfer.h"

#include <QPointer>
#include <QWidget>

class CTransferRunner;
class QLabel;
class QProgressBar;
class QStatusBar;

// A transfer's progress in its dialog (a bar and a line of text) and in the main window's
// status bar.
class CTransferProgressView : public QWidget
{
    Q_OBJECT
public:
    // `statusBar`: the main window's, which shows the line of text too; nullptr: none.
    CTransferProgressView(QStatusBar* statusBar, QWidget* parent);

    void Begin(int total); // total lines of an upload; 0 for a download (bar shows activity)
    // Begins and shows every progress event of `runner`.
    void Follow(CTransferRunner* runner, int total);
    void Show(const TransferProgress& progress);
    void End();

    // The line of text as it stands, for the status bar and the tests.
    QString Text() const;

private:
    void SetText(const QString& text);

    QPointer<QStatusBar> m_statusBar;
    QProgressBar* m_bar;
    QLabel* m_text;
};

// The text a progress event gives.
QString ProgressText(const TransferProgress& progress);
