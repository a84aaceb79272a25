#pragma once
// Base of objects kept in a circular ring of siblings through next and previous links.
// A lone object has both links null. An object that owns its links destroys its
// neighbours with it, and each owning neighbour its own in turn.

#include <cstdint>

class LinkObject {
public:
    LinkObject() = default;
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;
    virtual ~LinkObject();

    LinkObject* GetNext() const { return m_next; }
    LinkObject* GetPrev() const { return m_prev; }
    bool OwnsLinks() const { return m_ownsLinks != 0; }
    void SetOwnsLinks(bool owns) { m_ownsLinks = owns ? 1 : 0; }

    void InsertBefore(LinkObject& other); // this must be lone; it joins other's ring
    void Unlink();                        // leaves the ring closed behind it

private:
    void DestroyOwned(LinkObject* LinkObject::*link);

    LinkObject* m_next = nullptr;
    LinkObject* m_prev = nullptr;
    uint8_t m_ownsLinks = 0;
};
