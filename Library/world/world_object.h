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
    void SetKind(uint16_t kind) {
        SettleHeldFlags(); // what the held flags are worked out from may include the kind
        m_kind = kind;
    }
    uint16_t GetId() const { return m_id; }
    const Vector& GetPosition() const { return m_position; }
    void SetPosition(const Vector& position) {
        m_position = position;
        PositionChanged();
    }
    const Vector& GetVector2() const { return m_vector2; }
    void SetVector2(const Vector& vector2) { m_vector2 = vector2; }
    uint32_t GetFlags() const {
        SettleHeldFlags();
        return m_flags;
    }
    void SetFlags(uint32_t flags) { ChangeFlags(flags); }
    bool HasAnyFlag(uint32_t flags) const { return (GetFlags() & flags) != 0; }
    void AddFlags(uint32_t flags) { ChangeFlags(GetFlags() | flags); }
    void RemoveFlags(uint32_t flags) { ChangeFlags(GetFlags() & ~flags); }

    // An owner may hold back a change of the flags that it can work out on demand, to spare
    // writing it into many objects: while the word named here is neither 0 nor the round
    // this object last settled, the flags are settled (HeldFlags) before anything reads or
    // changes them. The word must outlive the hold; null ends it. The current round counts
    // as settled for an object that joins it.
    void HoldFlagsBy(const uint64_t* round) {
        SettleHeldFlags();
        m_heldRound = round;
        m_settledRound = round != nullptr ? *round : 0;
    }
    void SettleHeldFlags() const {
        if (m_heldRound != nullptr && *m_heldRound != 0 && *m_heldRound != m_settledRound) {
            m_settledRound = *m_heldRound;
            m_flags = HeldFlags(m_flags);
        }
    }
    uint32_t GetExtra() const { return m_extra; }
    void SetExtra(uint32_t extra) { m_extra = extra; }
    uint16_t GetExtra16() const { return m_extra16; }
    void SetExtra16(uint16_t extra16) { m_extra16 = extra16; }

    // The tile map's object lists, named by their head: linked both ways, ascending by
    // draw-order key (mapPixelWidth x y + x), equal keys in insertion order; a key that is
    // not a number goes first. An object is in one list at a time: one already in the list
    // stays where it is with its old key, one in another list leaves that first. The search
    // for the place may start at near, a node of the list (else it starts at the head),
    // which finds the same place while no key in the list is not a number. Removing an
    // object that is not in the list changes nothing; it returns a node of the list that
    // stood beside the object (null: none).
    void InsertInList(WorldObject*& head, int mapPixelWidth, WorldObject* near = nullptr);
    static double SortKeyAt(const Vector& position, int mapPixelWidth) {
        return static_cast<double>(mapPixelWidth) * position.y + position.x;
    }
    WorldObject* RemoveFromList(WorldObject*& head);
    bool IsInList(WorldObject* const& head) const { return m_list == &head; }
    bool IsListed() const { return m_list != nullptr; }
    WorldObject* GetNext() const { return m_next; }
    double GetSortKey() const { return m_sortKey; }
    void ClearLink(); // out of any list, which is left as it is

protected:
    // After every change of the position, by whatever route: owners that index objects by
    // place keep up through it.
    virtual void PositionChanged() {}
    // After every change of the flags, by whatever route, with the flags before it, but
    // the changes an owner makes unreported for itself.
    virtual void FlagsChanged(uint32_t /*before*/) {}
    void SetFlagsUnreported(uint32_t flags) {
        SettleHeldFlags();
        m_flags = flags;
    }
    // The flags as they are once the held change is made, from the flags as they were.
    virtual uint32_t HeldFlags(uint32_t flags) const { return flags; }

private:
    void ReleaseId(); // only while the dispatcher still holds this object under it
    void ChangeFlags(uint32_t flags) {
        const uint32_t before = GetFlags();
        m_flags = flags;
        if (flags != before)
            FlagsChanged(before);
    }
    bool ReadFields(Stream& stream);

    ObjectDispatcher& m_dispatcher;
    uint16_t m_kind = kNewKind;
    uint16_t m_id = kNoId;
    WorldObject* m_next = nullptr;
    WorldObject* m_prev = nullptr;
    WorldObject** m_list = nullptr; // the head of the list it is in
    double m_sortKey = 0.0;
    Vector m_position;
    Vector m_vector2;
    mutable uint32_t m_flags = 0; // settled on reading while an owner holds a change back
    uint32_t m_extra = 0;
    uint16_t m_extra16 = 0;
    const uint64_t* m_heldRound = nullptr;
    mutable uint64_t m_settledRound = 0;
};
