#include "Library/core/link_obj.h"

#include "Library/core/tracked_new.h"

#include <cassert>

LinkObject::~LinkObject() {
    if (m_ownsLinks) {
        DestroyOwned(&LinkObject::m_next);
        DestroyOwned(&LinkObject::m_prev);
    }
    Unlink();
}

// Every neighbour is unlinked before it is deleted, so however the ring is owned no
// object is reached, or deleted, twice.
void LinkObject::DestroyOwned(LinkObject* LinkObject::*link) {
    while (LinkObject* neighbour = this->*link) {
        const bool spreads = neighbour->m_ownsLinks != 0;
        neighbour->Unlink();
        DELETE neighbour;
        if (!spreads)
            return;
    }
}

void LinkObject::InsertBefore(LinkObject& other) {
    assert(m_next == nullptr && m_prev == nullptr && &other != this);
    LinkObject* before = other.m_prev != nullptr ? other.m_prev : &other;
    m_next = &other;
    m_prev = before;
    before->m_next = this;
    other.m_prev = this;
}

void LinkObject::Unlink() {
    if (m_next == m_prev) {
        if (m_next != nullptr)
            m_next->m_next = m_next->m_prev = nullptr; // the last other member is lone now
    } else {
        m_prev->m_next = m_next;
        m_next->m_prev = m_prev;
    }
    m_next = m_prev = nullptr;
}
