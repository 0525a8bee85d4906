#pragma once
// Predicted beat times in seconds, ascending, as a doubly linked list whose nodes come from a
// pool that grows by blocks of ten and is given back as a whole when the list becomes empty.
#include <array>
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

class BeatList {
    struct Node {
        Node* next = nullptr;
        Node* previous = nullptr;
        float value = 0.0F;
    };

  public:
    static constexpr int kNodesPerBlock = 10;

    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = float;
        using difference_type = std::ptrdiff_t;
        using pointer = const float*;
        using reference = float;

        explicit Iterator(const Node* node) : node_(node) {}
        float operator*() const { return node_->value; }
        Iterator& operator++() {
            node_ = node_->next;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            node_ = node_->next;
            return before;
        }
        bool operator==(const Iterator&) const = default;

      private:
        const Node* node_;
    };

    BeatList() = default;
    BeatList(const BeatList&) = delete;
    BeatList& operator=(const BeatList&) = delete;

    void Append(float time);
    // Walks forward from the first entry and removes every entry for which remove(time) holds.
    template <typename Predicate>
    void RemoveIf(Predicate remove) {
        for (Node* node = first_; node != nullptr;) {
            Node* const next = node->next;
            if (remove(node->value)) {
                Unlink(node);
            }
            node = next;
        }
    }
    void Clear();
    int Count() const { return count_; }
    // Blocks of nodes now held by the pool.
    std::size_t PoolBlocks() const { return blocks_.size(); }
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(nullptr); }

  private:
    using Block = std::array<Node, kNodesPerBlock>;

    Node* TakeNode();
    void Unlink(Node* node);

    std::vector<std::unique_ptr<Block>> blocks_;
    Node* free_ = nullptr;
    Node* first_ = nullptr;
    Node* last_ = nullptr;
    int count_ = 0;
};
