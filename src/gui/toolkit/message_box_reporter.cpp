#include "gui/toolkit/message_box_reporter.h"

#include "gui/toolkit/caption_width.h"
#include "gui/toolkit/program_caption.h"

#include <QApplication>
#include <QGridLayout>
#include <QPointer>
#include <QSpacerItem>
#include <QThread>

namespace
{
constexpr int NarrowestBox = 240;

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon)
    {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

bool OnUserInterfaceThread()
{
    return QThread::currentThread() == qApp->thread();
}
} // namespace

QMessageBox* CreateMessageBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                              QWidget* owner)
{
    auto* box = new QMessageBox(icon, ProgramCaption, text, buttons, owner);
    // The box fixes its own size from its layout each time it is shown; a spacer across the
    // layout is the one lower bound it keeps.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(std::max(NarrowestBox, WidthForCaption(box->windowTitle())), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

CMessageBoxReporter::CMessageBoxReporter(std::function<QWidget*()> mainWindow) : m_mainWindow(std::move(mainWindow))
{
}

int CMessageBoxReporter::Show(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) const
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    if (!owner && m_mainWindow)
        owner = m_mainWindow();
    // The owner may close while the box waits (a transfer ends); the box then goes with it.
    QPointer<QMessageBox> box = CreateMessageBox(icon, text, buttons, owner);
    const int answer = box->exec();
    delete box.data();
    return answer;
}

// Workers never wait for the window: a message from another thread is queued to the
// user-interface thread (in order), and a question from there is refused.
void CMessageBoxReporter::Message(const QString& text, MessageIcon icon)
{
    if (OnUserInterfaceThread())
        Show(IconOf(icon), text, QMessageBox::Ok);
    else
        QMetaObject::invokeMethod(
            qApp, [this, text, icon = IconOf(icon)] { Show(icon, text, QMessageBox::Ok); }, Qt::QueuedConnection);
}

bool CMessageBoxReporter::Confirm(const QString& question)
{
    if (!OnUserInterfaceThread())
        return false;
    return Show(QMessageBox::Question, question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
