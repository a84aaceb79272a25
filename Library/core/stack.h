#pragma once
// A LIFO of entries it owns and recycles, like Queue: a popped entry stays allocated and is
// overwritten by a later push, so a stack that has once been deep allocates nothing more.
// Entries never move, so a pointer to one stays good while the stack lives.

#include "Library/core/struct.h"

#include <algorithm>

template <class T> class Stack {
public:
    static constexpr int kGrowth = 50;

    explicit Stack(int capacity)
        : m_capacity(std::max(capacity, 1)),
          m_entries(CreateBuffer<T*>(m_capacity, __FILE__, __LINE__)) {}
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;
    virtual ~Stack() {
        for (int i = 0; i < m_allocated; ++i)
            ReleaseObject(m_entries[i]);
        ReleaseBuffer(m_entries);
    }

    void Clear() { m_top = -1; } // the entries stay allocated
    // The new top entry, for the caller to fill in place; it may hold an old value.
    T* Push() {
        if (m_top + 1 == m_capacity)
            Grow();
        ++m_top;
        if (m_top == m_allocated)
            m_entries[m_allocated++] = CreateObject<T>(__FILE__, __LINE__);
        return m_entries[m_top];
    }
    T* PushCopy(const T& value) {
        T* entry = Push();
        *entry = value;
        return entry;
    }
    T* Pop() { return m_top >= 0 ? m_entries[m_top--] : nullptr; } // null when empty
    T* Top() { return m_top >= 0 ? m_entries[m_top] : nullptr; }
    // First and Next walk the entries from the top down without removing them.
    T* First() {
        m_iteration = m_top;
        return m_top >= 0 ? m_entries[m_top] : nullptr;
    }
    T* Next() { return m_iteration > 0 ? m_entries[--m_iteration] : nullptr; }
    int Count() const { return m_top + 1; }

private:
    void Grow() {
        const int capacity = m_capacity + kGrowth;
        T** entries = CreateBuffer<T*>(capacity, __FILE__, __LINE__);
        std::copy(m_entries, m_entries + m_capacity, entries);
        ReleaseBuffer(m_entries);
        m_entries = entries;
        m_capacity = capacity;
    }

    int m_top = -1;
    int m_iteration = -1;
    int m_capacity;
    int m_allocated = 0; // entry objects made so far; they fill the array's first slots
    T** m_entries;
};
