#include "Library/scripts/entity_ref.h"

#include "Library/core/stream.h"
#include "Library/scripts/stored_text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

EntityRef::EntityRef(Entity* owner) : m_entity(owner) {
    ClearList();
}

void EntityRef::Reset() {
    Set(0, 0, 0, 0, 0, 0, 0);
    m_name.Clear();
    ClearList();
}

void EntityRef::ClearList() {
    m_listCount = 0;
    std::fill(m_list, m_list + kMaxListCount, kNoListEntry);
}

void EntityRef::AddToList(uint32_t value) {
    if (m_listCount < kMaxListCount)
        m_list[m_listCount++] = value;
}

void EntityRef::Set(uint32_t side, uint32_t lifeState, uint32_t match1, uint32_t match2,
                    uint32_t match3, uint32_t match4, uint32_t match5) {
    m_side = side;
    m_lifeState = lifeState;
    m_match[0] = match1;
    m_match[1] = match2;
    m_match[2] = match3;
    m_match[3] = match4;
    m_match[4] = match5;
}

bool EntityRef::Equals(const EntityRef& other) const {
    return m_side == other.m_side && m_lifeState == other.m_lifeState &&
           std::equal(m_match, m_match + kMatchCount, other.m_match);
}

bool EntityRef::IsEmpty() const {
    const auto isZero = [](uint32_t code) { return code == 0; };
    return m_side == 0 && m_lifeState == 0 && std::all_of(m_match, m_match + kMatchCount, isZero) &&
           m_name.Length() == 0 && m_listCount == 0; // entries past the count are never set
}

bool EntityRef::Matches(const EntityRef& candidate) const {
    if (m_name.Length() > 0)
        return m_name == candidate.m_name;
    const auto fits = [](uint32_t pattern, uint32_t code) {
        return pattern == 0 || pattern == code;
    };
    if (!fits(m_side, candidate.m_side) || !fits(m_lifeState, candidate.m_lifeState))
        return false;
    for (int i = 0; i < kMatchCount; ++i)
        if (!fits(m_match[i], candidate.m_match[i]))
            return false;
    return true;
}

bool EntityRef::MatchesEveryone() const {
    return m_name.Length() == 0 && m_side == 0 && m_lifeState == 0 &&
           std::all_of(std::begin(m_match), std::end(m_match),
                       [](uint32_t code) { return code == 0; });
}

bool EntityRef::IsSameSide(const EntityRef& other) const {
    return (IsPlayerSide() && other.IsPlayerSide()) || (IsHostileSide() && other.IsHostileSide());
}

bool EntityRef::IsOpposedSide(const EntityRef& other) const {
    return (IsPlayerSide() && other.IsHostileSide()) || (IsHostileSide() && other.IsPlayerSide());
}

bool EntityRef::IsStateAwayOrNone() const {
    return m_lifeState == 4 || m_lifeState == 5 || m_lifeState == 255;
}

bool EntityRef::IsStateKnown() const {
    return (m_lifeState >= 1 && m_lifeState <= 5) || m_lifeState == 255;
}

uint32_t EntityRef::GetMatch(int index) const {
    return index >= 1 && index <= kMatchCount ? m_match[index - 1] : 0;
}

uint32_t EntityRef::GetListEntry(int index) const {
    return index >= 0 && index < m_listCount ? m_list[index] : kNoListEntry;
}

// The codes travel in this order: lifeState, match5, match4, match1, match2, match3, side.
bool EntityRef::Read(Stream& stream) {
    EntityRef read(m_entity);
    uint32_t* const codes[] = {&read.m_lifeState, &read.m_match[4], &read.m_match[3],
                               &read.m_match[0],  &read.m_match[1], &read.m_match[2],
                               &read.m_side};
    if (stream.CheckOpen() != kStreamOk)
        return false;
    for (uint32_t* code : codes)
        if (!stream.ReadValue(*code))
            return false;
    int32_t listCount = 0;
    if (!ReadStoredText(stream, read.m_name) || !stream.ReadValue(listCount))
        return false;
    if (listCount < 0 || listCount > kMaxListCount) {
        std::fprintf(stderr, "An entity reference lists %d steps (0 to %d can be held)\n",
                     listCount, kMaxListCount);
        return false;
    }
    for (int i = 0; i < listCount; ++i) {
        uint32_t entry = 0;
        if (!stream.ReadValue(entry))
            return false;
        read.AddToList(entry);
    }
    *this = read;
    return true;
}

bool EntityRef::Write(Stream& stream) const {
    const uint32_t codes[] = {m_lifeState, m_match[4], m_match[3], m_match[0],
                              m_match[1],  m_match[2], m_side};
    if (stream.CheckOpen() != kStreamOk)
        return false;
    for (uint32_t code : codes)
        if (!stream.WriteValue(code))
            return false;
    if (!m_name.Write(stream) || !stream.WriteValue(m_listCount))
        return false;
    for (int i = 0; i < m_listCount; ++i)
        if (!stream.WriteValue(m_list[i]))
            return false;
    return true;
}
