#pragma once

#include <QString>

// How a message is presented; the desktop program maps these to message-box icons.
enum class MessageIcon { None, Information, Exclamation, Error };

// Core operations never show anything themselves: they tell a reporter, and the
// desktop program, the command line and the tests each decide what that means.
// Implementations must accept calls from any thread and keep their order.
class IReporter
{
public:
    virtual ~IReporter() = default;
    virtual void Message(const QString& text, MessageIcon icon = MessageIcon::Exclamation) = 0;
    // An OK/Cancel question; true means OK.
    virtual bool Confirm(const QString& question) = 0;
};

// Swallows everything and answers yes; for callers that have nobody to tell.
class CSilentReporter final : public IReporter
{
public:
    void Message(const QString&, MessageIcon) override {}
    bool Confirm(const QString&) override { return true; }
};
