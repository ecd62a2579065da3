#pragma once

#include "core/report/outcome.h"
#include "core/report/reporter.h"
#include "words/result_words.h"

#include <QMutex>
#include <QStringList>

// Records what an operation tells the user, so a test can check every message it expects
// and fail on any it did not. Questions get the answer the test sets (OK by default).
class CRecordingReporter final : public IReporter
{
public:
    void Message(const QString& text, MessageIcon icon) override
    {
        QMutexLocker lock(&m_mutex);
        m_messages << text;
        m_icons << icon;
    }
    bool Confirm(const QString& question) override
    {
        QMutexLocker lock(&m_mutex);
        m_questions << question;
        return m_answer;
    }

    // Records what a front end shows of an outcome, after what the operation said itself.
    Outcome Record(const Outcome& outcome)
    {
        const UserMessage message = MessageOf(outcome);
        if (!message.text.isEmpty())
            Message(message.text, message.icon);
        return outcome;
    }

    void SetAnswer(bool ok) { QMutexLocker lock(&m_mutex); m_answer = ok; }
    QStringList Messages() const { QMutexLocker lock(&m_mutex); return m_messages; }
    QList<MessageIcon> Icons() const { QMutexLocker lock(&m_mutex); return m_icons; }
    QStringList Questions() const { QMutexLocker lock(&m_mutex); return m_questions; }
    // Hands over what was recorded and starts afresh.
    QStringList TakeMessages()
    {
        QMutexLocker lock(&m_mutex);
        m_icons.clear();
        return std::exchange(m_messages, {});
    }
    void Clear()
    {
        QMutexLocker lock(&m_mutex);
        m_messages.clear();
        m_icons.clear();
        m_questions.clear();
    }

private:
    mutable QMutex m_mutex;
    QStringList m_messages;
    QList<MessageIcon> m_icons;
    QStringList m_questions;
    bool m_answer = true;
};
