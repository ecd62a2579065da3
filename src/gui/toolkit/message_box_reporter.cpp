#include "gui/toolkit/message_box_reporter.h"

#include "gui/app/app_texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace
{
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

void Show(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, AppTexts::Caption, text, QMessageBox::Ok);
    box.exec();
}
} // namespace

// Workers never wait for the window: a message from another thread is queued to the
// user-interface thread (in order), and a question from there is refused.
void CMessageBoxReporter::Message(const QString& text, MessageIcon icon)
{
    if (OnUserInterfaceThread())
        Show(IconOf(icon), text);
    else
        QMetaObject::invokeMethod(qApp, [text, icon = IconOf(icon)] { Show(icon, text); }, Qt::QueuedConnection);
}

bool CMessageBoxReporter::Confirm(const QString& question)
{
    if (!OnUserInterfaceThread())
        return false;
    QMessageBox box(QMessageBox::Question, AppTexts::Caption, question, QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
