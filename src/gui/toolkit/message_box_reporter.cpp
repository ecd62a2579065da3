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

template <typename Work> void OnUserInterfaceThread(Work work)
{
    if (QThread::currentThread() == qApp->thread())
        work();
    else
        QMetaObject::invokeMethod(qApp, work, Qt::BlockingQueuedConnection);
}
} // namespace

void CMessageBoxReporter::Message(const QString& text, MessageIcon icon)
{
    OnUserInterfaceThread([&] {
        QMessageBox box(IconOf(icon), AppTexts::Caption, text, QMessageBox::Ok);
        box.exec();
    });
}

bool CMessageBoxReporter::Confirm(const QString& question)
{
    bool accepted = false;
    OnUserInterfaceThread([&] {
        QMessageBox box(QMessageBox::Question, AppTexts::Caption, question, QMessageBox::Ok | QMessageBox::Cancel);
        accepted = box.exec() == QMessageBox::Ok;
    });
    return accepted;
}
