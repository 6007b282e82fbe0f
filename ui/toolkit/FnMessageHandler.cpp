#include "ui/toolkit/FnMessageHandler.h"

#include "ui/toolkit/FnMessageSender.h"

FnMessageHandler::~FnMessageHandler() {
    while (FnList<FnMessageSender*>::Node* node = senders_.Head()) {
        FnMessageSender* sender = senders_.Remove(node);
        if (sender) sender->handlers_.RemoveAll(this);
    }
}

void FnMessageHandler::ListenTo(FnMessageSender* sender) {
    if (!sender) return;
    if (!sender->handlers_.Contains(this) && !sender->handlers_.Append(this)) return;
    if (!senders_.Contains(sender) && !senders_.Append(sender)) sender->handlers_.RemoveAll(this);
}
