#pragma once
// Intrusive-style doubly linked list of pointers, one node per entry.
//
// The list keeps one iteration cursor so that a loop may remove the entry it
// stands on: removing the cursor's node moves the cursor to the previous node
// (or the next one when there is none), and Next()/Prev() continue from
// there without skipping or repeating an entry.  One cursor loop per list at
// a time; loops that do not remove entries walk Head()/node->next instead.

#include <cstddef>
#include <new>

template <class T>
class FnList {
public:
    struct Node {
        T item;
        Node* next;
        Node* prev;
    };

    FnList() = default;
    FnList(const FnList&) = delete;
    FnList& operator=(const FnList&) = delete;
    virtual ~FnList() { Clear(); }

    Node* Head() const { return head_; }
    Node* Tail() const { return tail_; }
    bool Empty() const { return head_ == nullptr; }
    std::size_t Count() const {
        std::size_t n = 0;
        for (Node* p = head_; p; p = p->next) ++n;
        return n;
    }

    // Appends after the tail (no deduplication).  Null when out of memory.
    Node* Append(T item) {
        Node* node = new (std::nothrow) Node{item, nullptr, tail_};
        if (!node) return nullptr;
        if (tail_)
            tail_->next = node;
        else
            head_ = node;
        tail_ = node;
        return node;
    }

    Node* Find(T item) const {
        for (Node* p = head_; p; p = p->next)
            if (p->item == item) return p;
        return nullptr;
    }
    bool Contains(T item) const { return Find(item) != nullptr; }

    // Unlinks and frees the node, returning its item.
    T Remove(Node* node) {
        if (node == cursor_) {
            if (node->prev) {
                cursor_ = node->prev;
                cursorSide_ = kOnPrevious;
            } else {
                cursor_ = node->next;
                cursorSide_ = kOnNext;
            }
        }
        if (node->prev)
            node->prev->next = node->next;
        else
            head_ = node->next;
        if (node->next)
            node->next->prev = node->prev;
        else
            tail_ = node->prev;
        T item = node->item;
        delete node;
        return item;
    }

    // Removes every entry of the item; returns how many there were.
    int RemoveAll(T item) {
        int n = 0;
        for (Node* p = head_; p;) {
            Node* next = p->next;
            if (p->item == item) {
                Remove(p);
                ++n;
            }
            p = next;
        }
        return n;
    }

    void Clear() {
        while (head_) Remove(head_);
        cursor_ = nullptr;
        cursorSide_ = kOnNode;
    }

    // Cursor walk, forwards (First/Next) or backwards (Last/Prev).
    Node* First() { return Set(head_); }
    Node* Last() { return Set(tail_); }
    Node* Next() {
        if (!cursor_) return nullptr;
        return Set(cursorSide_ == kOnNext ? cursor_ : cursor_->next);
    }
    Node* Prev() {
        if (!cursor_) return nullptr;
        if (cursorSide_ == kOnNext) return Set(nullptr);  // the removed node was the first
        return Set(cursorSide_ == kOnPrevious ? cursor_ : cursor_->prev);
    }
    Node* Cursor() const { return cursorSide_ == kOnNode ? cursor_ : nullptr; }

private:
    enum Side { kOnNode, kOnPrevious, kOnNext };
    Node* Set(Node* node) {
        cursor_ = node;
        cursorSide_ = kOnNode;
        return node;
    }

    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    Node* cursor_ = nullptr;
    Side cursorSide_ = kOnNode;
};
