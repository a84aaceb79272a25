#pragma once

#include "Library/core/vector.h"
#include "Library/world/object_dispatcher.h"

#include <cstdint>

class Screen;
class Stream;

// Base of everything placed on the tile map: kind, dispatcher id, position and flags, and
// the link and draw-order key by which the tile map keeps its object lists.
class WorldObject {
public:
    static constexpr uint16_t kNoId = 65535;
    static constexpr uint16_t kNewKind = 1000;
    static constexpr uint32_t kStoredFlagsMask = 0x1FFFF;

    // Takes no id yet: Reset does.
    explicit WorldObject(ObjectDispatcher& dispatcher = g_objectDispatcher)
        : m_dispatcher(dispatcher) {}
    WorldObject(const WorldObject&) = delete;
    WorldObject& operator=(const WorldObject&) = delete;
    virtual ~WorldObject() { ReleaseId(); }

    // Blank vectors, flags and extras, a fresh id in place of the old one, and no list link.
    virtual void Reset();
    virtual void HandleMessage(int /*a*/, int /*b*/, int /*c*/, int /*d*/) {} // dispatcher entry
    // 36 bytes: position, vector2 (three 4-byte floats each), u16 kind, u16 extra16,
    // u32 flags, u32 extra. Stops at the first field that fails; after a whole read the
    // flags keep their low 17 bits and extra is 0. The id is never stored.
    virtual bool Read(Stream& stream);
    virtual bool Write(Stream& stream) const;
    // The tile map's drawing of its lists: each object is lit with three colour levels,
    // placed on the screen (false: not shown this frame) and drawn. A bare placed object
    // has no picture.
    virtual void SetColourMod(int /*red*/, int /*green*/, int /*blue*/) {}
    virtual bool UpdateScreenPos(Screen& /*screen*/) { return false; }
    virtual bool Draw(Screen& /*screen*/) { return false; }

    // Position, vector2, extras, flags and kind; not the id, link or key.
    void Copy(const WorldObject& other);

    uint16_t GetKind() const { return m_kind; }
    void SetKind(uint16_t kind) { m_kind = kind; }
    uint16_t GetId() const { return m_id; }
    const Vector& GetPosition() const { return m_position; }
    void SetPosition(const Vector& position) { m_position = position; }
    const Vector& GetVector2() const { return m_vector2; }
    void SetVector2(const Vector& vector2) { m_vector2 = vector2; }
    uint32_t GetFlags() const { return m_flags; }
    void SetFlags(uint32_t flags) { m_flags = flags; }
    bool HasAnyFlag(uint32_t flags) const { return (m_flags & flags) != 0; }
    void AddFlags(uint32_t flags) { m_flags |= flags; }
    void RemoveFlags(uint32_t flags) { m_flags &= ~flags; }
    uint32_t GetExtra() const { return m_extra; }
    void SetExtra(uint32_t extra) { m_extra = extra; }
    uint16_t GetExtra16() const { return m_extra16; }
    void SetExtra16(uint16_t extra16) { m_extra16 = extra16; }

    // The tile map's object lists: singly linked, ascending by draw-order key
    // (mapPixelWidth x y + x), equal keys in insertion order. Each returns the new head.
    // An object already in the list stays where it is with its old key; removing an
    // object that is not in the list changes nothing.
    WorldObject* InsertInList(WorldObject* head, int mapPixelWidth);
    WorldObject* RemoveFromList(WorldObject* head);
    WorldObject* GetNext() const { return m_next; }
    double GetSortKey() const { return m_sortKey; }
    void ClearLink() { m_next = nullptr; }

private:
    void ReleaseId(); // only while the dispatcher still holds this object under it

    ObjectDispatcher& m_dispatcher;
    uint16_t m_kind = kNewKind;
    uint16_t m_id = kNoId;
    WorldObject* m_next = nullptr;
    double m_sortKey = 0.0;
    Vector m_position;
    Vector m_vector2;
    uint32_t m_flags = 0;
    uint32_t m_extra = 0;
    uint16_t m_extra16 = 0;
};
