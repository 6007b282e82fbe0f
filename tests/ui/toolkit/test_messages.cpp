// The list with its removal-safe cursor, and sender/handler links that
// either side may break first.

#include <gtest/gtest.h>
#include "ui/toolkit/FnList.h"
#include "ui/toolkit/FnMessage.h"
#include "ui/toolkit/FnMessageHandler.h"
#include "ui/toolkit/FnMessageSender.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Recorder : FnMessageHandler {
    std::string name;
    std::vector<std::string>* log;
    FnMessageSender* lastSender = nullptr;
    std::function<void()> onMessage;
    Recorder(std::string n, std::vector<std::string>* l) : name(std::move(n)), log(l) {}
    int HandleMessage(const FnMessage& m, FnMessageSender* sender) override {
        log->push_back(name + ":" + std::to_string(m.Kind()));
        lastSender = sender;
        if (onMessage) onMessage();
        return 1;
    }
};

std::vector<int> Items(const FnList<int>& list) {
    std::vector<int> v;
    for (auto* n = list.Head(); n; n = n->next) v.push_back(n->item);
    return v;
}

}  // namespace

TEST(FnList, CursorSurvivesRemovalInBothDirections) {
    FnList<int> list;
    for (int i = 1; i <= 5; ++i) list.Append(i);
    // Forward walk removing the even entries, then the head itself.
    std::vector<int> seen;
    for (auto* n = list.First(); n; n = list.Next()) {
        seen.push_back(n->item);
        if (n->item % 2 == 0 || n->item == 1) list.Remove(n);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Items(list), (std::vector<int>{3, 5}));

    // Backward walk removing everything.
    for (int i = 6; i <= 8; ++i) list.Append(i);
    seen.clear();
    for (auto* n = list.Last(); n; n = list.Prev()) {
        seen.push_back(n->item);
        list.Remove(n);
    }
    EXPECT_EQ(seen, (std::vector<int>{8, 7, 6, 5, 3}));
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Tail(), nullptr);

    // Duplicates are the caller's business; RemoveAll takes every one.
    list.Append(4);
    list.Append(9);
    list.Append(4);
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.RemoveAll(4), 2);
    EXPECT_EQ(Items(list), (std::vector<int>{9}));
}

TEST(FnMessage, CarriesKindTypeNameAndPayload) {
    const FnMessage plain;
    EXPECT_EQ(plain.Kind(), 0);
    EXPECT_EQ(plain.EventType(), 0);
    EXPECT_STREQ(plain.Name(), "");
    EXPECT_EQ(plain.Point(), (FnPoint{0, 0}));

    const FnMessage named(kFnDragStarted, kFnEventNone, "a-name-longer-than-fifteen");
    EXPECT_STREQ(named.Name(), "a-name-longer-t");

    const FnMessage p = FnMessage::Pointer(kFnPointerMoved, {12.5f, -3.0f});
    EXPECT_TRUE(p.CarriesPoint());
    EXPECT_EQ(p.Point(), (FnPoint{12.5f, -3.0f}));
    FnMessage axis(kFnValueChanged, kFnEventAxis);
    axis.SetPart(3);
    EXPECT_FALSE(axis.CarriesPoint());
    EXPECT_EQ(axis.Part(), 3);
}

TEST(FnMessageLinks, DeliverInLinkOrderOnceEach) {
    std::vector<std::string> log;
    FnMessageSender sender;
    Recorder a("A", &log), b("B", &log);
    a.ListenTo(&sender);
    b.ListenTo(&sender);
    a.ListenTo(&sender);  // twice: no second link
    a.ListenTo(nullptr);
    EXPECT_EQ(sender.Handlers().Count(), 2u);
    EXPECT_EQ(a.Senders().Count(), 1u);

    sender.Send(FnMessage(kFnDragStarted));
    sender.Send(FnMessage(kFnDragEnded));
    EXPECT_EQ(log, (std::vector<std::string>{"A:200", "B:200", "A:202", "B:202"}));
    EXPECT_EQ(a.lastSender, &sender);
}

TEST(FnMessageLinks, EitherSideMayGoFirst) {
    std::vector<std::string> log;
    auto sender = std::make_unique<FnMessageSender>();
    FnMessageSender other;
    Recorder a("A", &log), c("C", &log);
    auto b = std::make_unique<Recorder>("B", &log);
    for (FnMessageHandler* h :
         {static_cast<FnMessageHandler*>(&a), static_cast<FnMessageHandler*>(b.get()),
          static_cast<FnMessageHandler*>(&c)}) {
        h->ListenTo(sender.get());
        h->ListenTo(&other);
    }

    // A handler goes: the sender delivers to the rest.
    b.reset();
    sender->Send(FnMessage(kFnValueChanged));
    EXPECT_EQ(log, (std::vector<std::string>{"A:201", "C:201"}));
    EXPECT_EQ(sender->Handlers().Count(), 2u);

    // A sender goes: no handler keeps it, the other sender's links stay.
    sender.reset();
    EXPECT_EQ(a.Senders().Count(), 1u);
    EXPECT_EQ(c.Senders().Head()->item, &other);
    log.clear();
    other.Send(FnMessage(kFnDragEnded));
    EXPECT_EQ(log, (std::vector<std::string>{"A:202", "C:202"}));
}

TEST(FnMessageLinks, HandlersMayUnlinkOthersWhileDelivering) {
    std::vector<std::string> log;
    FnMessageSender sender;
    Recorder a("A", &log);
    auto b = std::make_unique<Recorder>("B", &log);
    a.onMessage = [&] { b.reset(); };
    a.ListenTo(&sender);
    b->ListenTo(&sender);
    sender.Send(FnMessage(kFnDragStarted));
    EXPECT_EQ(log, (std::vector<std::string>{"A:200"}));
    EXPECT_EQ(sender.Handlers().Count(), 1u);
}
