#include "Library/scripts/global_mgr.h"

GlobalMgr* g_globalMgr = nullptr;

void GlobalMgr::Declare(const Stringc& scope, const Stringc& name) {
    if (m_table.Find(scope, name) == nullptr)
        m_table.Create(scope, name, 0);
}

bool GlobalMgr::Set(const Stringc& scope, const Stringc& name, int32_t value) {
    GlobalEntry* entry = m_table.Find(scope, name);
    if (entry != nullptr)
        entry->SetValue(value);
    return entry != nullptr;
}

bool GlobalMgr::Add(const Stringc& scope, const Stringc& name, int32_t amount) {
    GlobalEntry* entry = m_table.Find(scope, name);
    if (entry != nullptr)
        entry->SetValue(static_cast<int32_t>(static_cast<uint32_t>(entry->GetValue()) +
                                             static_cast<uint32_t>(amount)));
    return entry != nullptr;
}

bool GlobalMgr::Equals(const Stringc& scope, const Stringc& name, int32_t value) {
    const GlobalEntry* entry = m_table.Find(scope, name);
    return entry != nullptr && entry->GetValue() == value;
}

bool GlobalMgr::Greater(const Stringc& scope, const Stringc& name, int32_t value) {
    const GlobalEntry* entry = m_table.Find(scope, name);
    return entry != nullptr && entry->GetValue() > value;
}

bool GlobalMgr::Less(const Stringc& scope, const Stringc& name, int32_t value) {
    const GlobalEntry* entry = m_table.Find(scope, name);
    return entry != nullptr && entry->GetValue() < value;
}
