#include "gui/link/transfer_progress_view.h"

#include "gui/link/transfer_runner.h"
#include "gui/link/transfer_texts.h"

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace
{
// The dialog grows to make room for the bar and gives the room back when the bar goes: its
// height follows what it shows, its width stays as the user left it.
void FitHeightOfWindow(QWidget* view)
{
    QWidget* window = view->window();
    if (window == view)
        return;
    if (QLayout* layout = window->layout())
        layout->activate();
    const int height = std::max(window->minimumSizeHint().height(), window->sizeHint().height());
    window->resize(window->width(), height);
}
} // namespace

QString ProgressText(const TransferProgress& progress)
{
    if (progress.total <= 0)
        return TransferTexts::Received.Arg(progress.bytes, progress.lines);
    if (progress.lines <= 0 || progress.lines >= progress.total)
        return TransferTexts::Sent.Arg(progress.lines, progress.total);
    // The lines so far set the pace of the ones still to go.
    const qint64 left = progress.elapsedMs * (progress.total - progress.lines) / progress.lines / 1000;
    return TransferTexts::SentWithTimeLeft.Arg(progress.lines, progress.total, left);
}

CTransferProgressView::CTransferProgressView(QStatusBar* statusBar, QWidget* parent)
    : QWidget(parent), m_statusBar(statusBar), m_bar(new QProgressBar(this)), m_text(new QLabel(this))
{
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_text->setObjectName(QStringLiteral("progressText"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar);
    layout->addWidget(m_text);
    setVisible(false);
}

void CTransferProgressView::Begin(int total)
{
    // A download does not know its length: the bar just shows that bytes are coming.
    m_bar->setRange(0, total > 0 ? total : 0);
    m_bar->setValue(0);
    Show({0, 0, total, 0});
    setVisible(true);
    FitHeightOfWindow(this);
}

void CTransferProgressView::Follow(CTransferRunner* runner, int total)
{
    Begin(total);
    connect(runner, &CTransferRunner::Progressed, this, &CTransferProgressView::Show);
}

void CTransferProgressView::Show(const TransferProgress& progress)
{
    if (progress.total > 0)
        m_bar->setValue(progress.lines);
    SetText(ProgressText(progress));
}

void CTransferProgressView::End()
{
    setVisible(false);
    FitHeightOfWindow(this);
    if (m_statusBar)
        m_statusBar->clearMessage();
}

QString CTransferProgressView::Text() const
{
    return m_text->text();
}

void CTransferProgressView::SetText(const QString& text)
{
    m_text->setText(text);
    if (m_statusBar)
        m_statusBar->showMessage(text);
}
