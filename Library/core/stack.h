#pragma once
// A LIFO of entries it owns and recycles: a popped entry stays allocated and is overwritten
// by a later push, so a stack that has once been deep allocates nothing more. Entries never
// move, so a pointer to one stays good while the stack lives.

#include <cstddef>
#include <memory>
#include <vector>

template <class T> class Stack {
public:
    Stack() = default;
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;

    void Clear() { m_top = -1; } // the entries stay allocated
    // The new top entry, for the caller to fill in place; it may hold an old value.
    T* Push() {
        if (++m_top == static_cast<int>(m_entries.size()))
            m_entries.push_back(std::make_unique<T>());
        return m_entries[static_cast<std::size_t>(m_top)].get();
    }
    T* PushCopy(const T& value) {
        T* entry = Push();
        *entry = value;
        return entry;
    }
    T* Pop() { // null when empty
        return m_top >= 0 ? m_entries[static_cast<std::size_t>(m_top--)].get() : nullptr;
    }
    T* Top() { return m_top >= 0 ? m_entries[static_cast<std::size_t>(m_top)].get() : nullptr; }
    // First and Next walk the entries from the top down without removing them.
    T* First() {
        m_iteration = m_top;
        return Top();
    }
    T* Next() {
        return m_iteration > 0 ? m_entries[static_cast<std::size_t>(--m_iteration)].get() : nullptr;
    }
    int Count() const { return m_top + 1; }

private:
    std::vector<std::unique_ptr<T>> m_entries; // made on first use
    int m_top = -1;
    int m_iteration = -1;
};
