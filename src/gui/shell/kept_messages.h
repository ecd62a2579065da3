#pragma once

#include "core/report/reporter.h"

#include <QList>
#include <QPair>
#include <QString>

using KeptMessageList = QList<QPair<QString, MessageIcon>>;

// What a worker's job reports, kept to be told on the window's thread with its result. The
// job asks nothing: a question is answered no.
class CKeptMessages final : public IReporter
{
public:
    explicit CKeptMessages(KeptMessageList& kept) : m_kept(kept) {}
    void Message(const QString& text, MessageIcon icon) override { m_kept.append({text, icon}); }
    bool Confirm(const QString&) override { return false; }

    // Tells each kept message to `reporter`, in order.
    static void Tell(const KeptMessageList& kept, IReporter& reporter)
    {
        for (const auto& [text, icon] : kept)
            reporter.Message(text, icon);
    }

private:
    KeptMessageList& m_kept;
};
