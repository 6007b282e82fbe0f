#pragma once
// A widget part that reports to its listeners (see FnMessageHandler).

#include "ui/toolkit/FnList.h"

class FnMessage;
class FnMessageHandler;

class FnMessageSender {
public:
    FnMessageSender() = default;
    FnMessageSender(const FnMessageSender&) = delete;
    FnMessageSender& operator=(const FnMessageSender&) = delete;
    virtual ~FnMessageSender();

    // Hands the message to every linked handler, in the order they were
    // linked.  A handler unlinked during delivery gets nothing afterwards.
    void Send(const FnMessage& message);

    const FnList<FnMessageHandler*>& Handlers() const { return handlers_; }

private:
    friend class FnMessageHandler;
    FnList<FnMessageHandler*> handlers_;
};
