#include "Library/world/world_object.h"

#include "Library/core/stream.h"
#include "Library/geometry/stored_vectors.h"

void WorldObject::ReleaseId() {
    if (m_dispatcher.GetObject(m_id) == this)
        m_dispatcher.Unregister(m_id);
    m_id = kNoId;
}

void WorldObject::Reset() {
    m_position.Zero();
    m_vector2.Zero();
    m_flags = 0;
    m_extra = 0;
    m_extra16 = 0;
    ReleaseId();
    m_id = static_cast<uint16_t>(m_dispatcher.Register(this)); // a full dispatcher: kNoId
    m_next = nullptr;
}

// A place beyond every map is damage: it would reach the cell conversions of every frame.
bool WorldObject::Read(Stream& stream) {
    Vector places[2];
    if (!ReadStoredPlaces(stream, places, 2, "A placed object") || !stream.ReadValue(m_kind) ||
        !stream.ReadValue(m_extra16) || !stream.ReadValue(m_flags) || !stream.ReadValue(m_extra))
        return false;
    m_position = places[0];
    m_vector2 = places[1];
    m_flags &= kStoredFlagsMask;
    m_extra = 0;
    return true;
}

bool WorldObject::Write(Stream& stream) const {
    return m_position.Write(stream) && m_vector2.Write(stream) && stream.WriteValue(m_kind) &&
           stream.WriteValue(m_extra16) && stream.WriteValue(m_flags) && stream.WriteValue(m_extra);
}

void WorldObject::Copy(const WorldObject& other) {
    if (&other == this)
        return;
    m_position = other.m_position;
    m_vector2 = other.m_vector2;
    m_extra16 = other.m_extra16;
    m_flags = other.m_flags;
    m_extra = other.m_extra;
    m_kind = other.m_kind;
    m_next = nullptr;
}

WorldObject* WorldObject::InsertInList(WorldObject* head, int mapPixelWidth) {
    for (const WorldObject* node = head; node != nullptr; node = node->m_next) {
        if (node == this)
            return head;
    }
    m_sortKey = static_cast<double>(mapPixelWidth) * m_position.y + m_position.x;
    WorldObject* before = nullptr;
    for (WorldObject* node = head; node != nullptr && m_sortKey >= node->m_sortKey;
         node = node->m_next)
        before = node;
    if (before == nullptr) {
        m_next = head;
        return this;
    }
    m_next = before->m_next;
    before->m_next = this;
    return head;
}

WorldObject* WorldObject::RemoveFromList(WorldObject* head) {
    if (head == nullptr) {
        m_next = nullptr;
        return nullptr;
    }
    if (head == this) {
        WorldObject* next = m_next;
        m_next = nullptr;
        return next;
    }
    for (WorldObject* node = head; node->m_next != nullptr; node = node->m_next) {
        if (node->m_next == this) {
            node->m_next = m_next;
            m_next = nullptr;
            return head;
        }
    }
    return head;
}
