#pragma once
// Items kept in descending key order; nodes come from a slot list, so a list rebuilt
// every frame reuses its nodes. The items are not owned.

#include "Library/core/mem_mgr.h"

template <class T> struct SortedListNode {
    int key = 0;
    T* item = nullptr;
    SortedListNode* next = nullptr;
};

template <class T> class SortedList {
public:
    using Node = SortedListNode<T>;

    SortedList() : m_nodes(5) {}
    SortedList(const SortedList&) = delete;
    SortedList& operator=(const SortedList&) = delete;

    // Goes after every node whose key is greater or equal.
    void Insert(int key, T* item) {
        Node* node = m_nodes.Alloc();
        node->key = key;
        node->item = item;
        Node** link = &m_head;
        while (*link != nullptr && (*link)->key >= key)
            link = &(*link)->next;
        node->next = *link;
        *link = node;
    }
    void Clear() {
        m_nodes.FreeAll();
        m_head = nullptr;
    }
    const Node* GetHead() const { return m_head; } // follow next to walk the list

private:
    MemMgr<Node> m_nodes;
    Node* m_head = nullptr;
};
