#include "Source/entities/soldier_names.h"

#include "Source/entities/entity_ptr_list.h"

#include <cctype>

SoldierNames::SoldierNames(const EntityPtrList& pool) : m_pool(pool) {}

// Stringc's compare lowers each byte as tolower does: names equal there have equal keys.
void SoldierNames::Key(const char* name) {
    m_key.clear();
    for (const char* at = name; *at != '\0'; ++at)
        m_key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(*at))));
}

const std::vector<int>& SoldierNames::SlotsNamed(const Stringc& name) {
    const auto slotCount = static_cast<size_t>(m_pool.GetSlotCount());
    if (m_stale || slotCount != m_slotCount) {
        m_slots.clear();
        for (int slot = 0; slot < m_pool.GetSlotCount(); ++slot) {
            Key(m_pool.GetAt(slot)->GetRef().GetName().c_str());
            m_slots[m_key].push_back(slot);
        }
        m_slotCount = slotCount;
        m_stale = false;
    }
    Key(name.c_str());
    const auto found = m_slots.find(m_key);
    return found != m_slots.end() ? found->second : m_none;
}
