#include "Source/creatures/spell_mgr.h"

#include "Library/core/stream.h"

#include <cstdio>

void SpellMgr::Clear() {
    m_knownLimit = kDefaultLimit;
    m_secondLimit = kDefaultLimit;
}

bool SpellMgr::Load(Stream& stream) {
    uint32_t knownLimit = 0;
    uint32_t secondLimit = 0;
    uint32_t knownCount = 0;
    uint32_t chargeCount = 0;
    if (!stream.ReadValue(knownLimit) || !stream.ReadValue(secondLimit) ||
        !stream.ReadValue(knownCount))
        return false;
    if (knownCount != 0) {
        std::fprintf(stderr, "SpellMgr: a creature record lists %u known spells\n", knownCount);
        return false;
    }
    if (!stream.ReadValue(chargeCount))
        return false;
    if (chargeCount != 0) {
        std::fprintf(stderr, "SpellMgr: a creature record lists %u spell charges\n", chargeCount);
        return false;
    }
    m_knownLimit = knownLimit;
    m_secondLimit = secondLimit;
    return true;
}

bool SpellMgr::Save(Stream& stream) const {
    const uint32_t none = 0;
    return stream.WriteValue(m_knownLimit) && stream.WriteValue(m_secondLimit) &&
           stream.WriteValue(none) && stream.WriteValue(none);
}
