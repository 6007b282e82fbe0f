#pragma once
// Whoever listens to widgets: a property page, the viewer tool, the widget
// manager.  Links to senders are two-way, and whichever side is destroyed
// first unlinks itself from the other.

#include "ui/toolkit/FnList.h"

class FnMessage;
class FnMessageSender;

class FnMessageHandler {
public:
    FnMessageHandler() = default;
    FnMessageHandler(const FnMessageHandler&) = delete;
    FnMessageHandler& operator=(const FnMessageHandler&) = delete;
    virtual ~FnMessageHandler();

    // Called synchronously by a sender (null for messages from a window).
    virtual int HandleMessage(const FnMessage& message, FnMessageSender* sender) = 0;

    // Links this handler and the sender both ways; a null sender or a link
    // that exists already changes nothing.
    void ListenTo(FnMessageSender* sender);

    const FnList<FnMessageSender*>& Senders() const { return senders_; }

private:
    friend class FnMessageSender;
    FnList<FnMessageSender*> senders_;
};
