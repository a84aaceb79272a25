#include "Library/world/world_object.h"

#include "Library/core/stream.h"
#include "Library/geometry/stored_vectors.h"

#include <cmath>

void WorldObject::ReleaseId() {
    if (m_dispatcher.GetObject(m_id) == this)
        m_dispatcher.Unregister(m_id);
    m_id = kNoId;
}

void WorldObject::Reset() {
    m_position.Zero();
    m_vector2.Zero();
    ChangeFlags(0);
    m_extra = 0;
    m_extra16 = 0;
    ReleaseId();
    m_id = static_cast<uint16_t>(m_dispatcher.Register(this)); // a full dispatcher: kNoId
    ClearLink();
    PositionChanged();
}

bool WorldObject::Read(Stream& stream) {
    const uint32_t before = GetFlags();
    const bool read = ReadFields(stream);
    if (m_flags != before)
        FlagsChanged(before);
    return read;
}

// A place beyond every map is damage: it would reach the cell conversions of every frame.
bool WorldObject::ReadFields(Stream& stream) {
    Vector places[2];
    if (!ReadStoredPlaces(stream, places, 2, "A placed object") || !stream.ReadValue(m_kind) ||
        !stream.ReadValue(m_extra16) || !stream.ReadValue(m_flags) || !stream.ReadValue(m_extra))
        return false;
    m_position = places[0];
    m_vector2 = places[1];
    m_flags &= kStoredFlagsMask;
    m_extra = 0;
    PositionChanged();
    return true;
}

bool WorldObject::Write(Stream& stream) const {
    SettleHeldFlags();
    return m_position.Write(stream) && m_vector2.Write(stream) && stream.WriteValue(m_kind) &&
           stream.WriteValue(m_extra16) && stream.WriteValue(m_flags) && stream.WriteValue(m_extra);
}

void WorldObject::Copy(const WorldObject& other) {
    if (&other == this)
        return;
    m_position = other.m_position;
    m_vector2 = other.m_vector2;
    m_extra16 = other.m_extra16;
    m_extra = other.m_extra;
    SetKind(other.m_kind);
    PositionChanged();
    ChangeFlags(other.GetFlags());
}

void WorldObject::ClearLink() {
    m_next = nullptr;
    m_prev = nullptr;
    m_list = nullptr;
}

// The place is after the last node whose key is not above this one's, found from near
// backwards or forwards as from the head, since the list stays sorted.
void WorldObject::InsertInList(WorldObject*& head, int mapPixelWidth, WorldObject* near) {
    if (m_list == &head)
        return;
    if (m_list != nullptr)
        RemoveFromList(*m_list);
    m_sortKey = SortKeyAt(m_position, mapPixelWidth);
    WorldObject* before = nullptr;
    if (near != nullptr && near->m_list == &head && !std::isnan(m_sortKey)) {
        before = near;
        while (before != nullptr && before->m_sortKey > m_sortKey)
            before = before->m_prev;
    }
    WorldObject* after = before != nullptr ? before->m_next : head;
    while (after != nullptr && m_sortKey >= after->m_sortKey) {
        before = after;
        after = after->m_next;
    }
    m_prev = before;
    m_next = after;
    m_list = &head;
    (before != nullptr ? before->m_next : head) = this;
    if (after != nullptr)
        after->m_prev = this;
}

WorldObject* WorldObject::RemoveFromList(WorldObject*& head) {
    if (m_list != &head)
        return nullptr;
    (m_prev != nullptr ? m_prev->m_next : head) = m_next;
    if (m_next != nullptr)
        m_next->m_prev = m_prev;
    WorldObject* beside = m_prev != nullptr ? m_prev : m_next;
    ClearLink();
    return beside;
}
