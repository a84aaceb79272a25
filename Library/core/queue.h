#pragma once
// A FIFO of entries it owns and recycles: a popped entry stays allocated and is
// overwritten by a later push. Capacity starts at 5 and grows by 20; the queue moves its
// live entries to the front rather than grow while it still has room.

#include "Library/core/struct.h"

#include <algorithm>
#include <utility>

template <class T> class Queue {
public:
    static constexpr int kGrowth = 20;

    explicit Queue(int capacity = 5)
        : m_capacity(std::max(capacity, 1)),
          m_entries(CreateBuffer<T*>(m_capacity, __FILE__, __LINE__)) {}
    Queue(const Queue&) = delete;
    Queue& operator=(const Queue&) = delete;
    virtual ~Queue() {
        for (int i = 0; i < m_allocated; ++i)
            ReleaseObject(m_entries[i]);
        ReleaseBuffer(m_entries);
    }

    virtual void Clear() { m_head = m_tail = 0; } // the entries stay allocated
    virtual T* PushCopy(const T& value) {
        T* entry = Push();
        *entry = value;
        return entry;
    }
    // The entry at the tail, for the caller to fill in place; it may hold an old value.
    virtual T* Push() {
        if (m_tail + 1 >= m_capacity) {
            if (Count() + 1 >= m_capacity)
                Grow();
            else
                MoveToFront();
        }
        if (m_tail == m_allocated)
            m_entries[m_allocated++] = CreateObject<T>(__FILE__, __LINE__);
        return m_entries[m_tail++];
    }
    virtual T* Pop() { return m_head < m_tail ? m_entries[m_head++] : nullptr; } // null when empty
    // Front and Next walk the entries without removing them.
    virtual T* Front() {
        m_iteration = m_head;
        return m_head < m_tail ? m_entries[m_head] : nullptr;
    }
    virtual T* Next() { return m_iteration + 1 < m_tail ? m_entries[++m_iteration] : nullptr; }
    virtual int Count() const { return m_tail - m_head; }

    int GetCapacity() const { return m_capacity; }

private:
    void Grow() {
        const int capacity = m_capacity + kGrowth;
        T** entries = CreateBuffer<T*>(capacity, __FILE__, __LINE__);
        std::copy(m_entries, m_entries + m_capacity, entries);
        ReleaseBuffer(m_entries);
        m_entries = entries;
        m_capacity = capacity;
    }
    // Swaps rather than copies, so the popped entry objects stay owned behind the live ones.
    void MoveToFront() {
        for (int i = m_head; i < m_tail; ++i)
            std::swap(m_entries[i - m_head], m_entries[i]);
        m_tail = Count();
        m_head = 0;
    }

    int m_head = 0;
    int m_tail = 0;
    int m_iteration = 0;
    int m_capacity;
    int m_allocated = 0; // entry objects made so far; they fill the array's first slots
    T** m_entries;
};
