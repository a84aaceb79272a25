#include "Library/world/draw_order.h"

#include "Library/world/world_object.h"

#include <cmath>
#include <iterator>
#include <utility>

WorldObject* DrawOrder::Add(WorldObject& object, double key) {
    if (!m_indexed)
        return nullptr;
    if (std::isnan(key)) {
        Clear();
        m_indexed = false;
        return nullptr;
    }
    Objects::iterator entry;
    if (m_spare.empty()) {
        entry = m_objects.emplace(key, &object);
    } else {
        Objects::node_type node = std::move(m_spare.back());
        m_spare.pop_back();
        node.key() = key;
        node.mapped() = &object;
        entry = m_objects.insert(std::move(node));
    }
    return entry == m_objects.begin() ? nullptr : std::prev(entry)->second;
}

void DrawOrder::Remove(const WorldObject& object, const WorldObject* head) {
    const double key = object.GetSortKey();
    for (auto entry = m_objects.lower_bound(key); entry != m_objects.end() && entry->first == key;
         ++entry)
        if (entry->second == &object) {
            m_spare.push_back(m_objects.extract(entry));
            break;
        }
    if (head == nullptr)
        m_indexed = true;
}

void DrawOrder::Clear() {
    m_objects.clear();
    m_indexed = true;
}
