#include "ui/toolkit/FnMessageSender.h"

#include "ui/toolkit/FnMessageHandler.h"

#include <vector>

FnMessageSender::~FnMessageSender() {
    while (FnList<FnMessageHandler*>::Node* node = handlers_.Head()) {
        FnMessageHandler* handler = handlers_.Remove(node);
        if (!handler) continue;
        handler->senders_.RemoveAll(this);
        handlers_.RemoveAll(handler);
    }
}

void FnMessageSender::Send(const FnMessage& message) {
    // Deliver to the handlers linked when the send began; a handler may link
    // or unlink others (or send again) while it handles the message.
    std::vector<FnMessageHandler*> targets;
    for (auto* node = handlers_.Head(); node && node->item; node = node->next)
        targets.push_back(node->item);
    for (FnMessageHandler* handler : targets)
        if (handlers_.Contains(handler)) handler->HandleMessage(message, this);
}
