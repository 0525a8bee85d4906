#include "beat/BeatList.h"

void BeatList::Append(float time) {
    Node* const node = TakeNode();
    node->value = time;
    node->next = nullptr;
    node->previous = last_;
    if (last_ != nullptr) {
        last_->next = node;
    } else {
        first_ = node;
    }
    last_ = node;
    ++count_;
}

void BeatList::Clear() {
    blocks_.clear();
    free_ = nullptr;
    first_ = nullptr;
    last_ = nullptr;
    count_ = 0;
}

BeatList::Node* BeatList::TakeNode() {
    if (free_ == nullptr) {
        blocks_.push_back(std::make_unique<Block>());
        for (Node& node : *blocks_.back()) {
            node.next = free_;
            free_ = &node;
        }
    }
    Node* const node = free_;
    free_ = node->next;
    return node;
}

void BeatList::Unlink(Node* node) {
    (node->previous != nullptr ? node->previous->next : first_) = node->next;
    (node->next != nullptr ? node->next->previous : last_) = node->previous;
    --count_;
    if (count_ == 0) {
        Clear();
        return;
    }
    node->next = free_;
    free_ = node;
}
