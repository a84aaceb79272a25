#pragma once
// The soldier pool's slots by the name in each soldier's reference, compared as Stringc
// compares (case ignored), so that a question by name visits only the soldiers of that
// name. Soldiers report each change of their name; a pool that has grown is read anew.

#include "Library/core/stringc.h"

#include <string>
#include <unordered_map>
#include <vector>

class EntityPtrList;

class SoldierNames {
public:
    explicit SoldierNames(const EntityPtrList& pool); // the manager's soldier pool
    SoldierNames(const SoldierNames&) = delete;
    SoldierNames& operator=(const SoldierNames&) = delete;

    void Renamed() { m_stale = true; } // some soldier's name changed
    // The slots, used or not, whose soldier bears the name, in slot order.
    const std::vector<int>& SlotsNamed(const Stringc& name);

private:
    void Key(const char* name); // into m_key

    const EntityPtrList& m_pool;
    std::unordered_map<std::string, std::vector<int>> m_slots;
    std::string m_key;
    std::vector<int> m_none;
    size_t m_slotCount = 0;
    bool m_stale = true;
};
