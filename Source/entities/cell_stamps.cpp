#include "Source/entities/cell_stamps.h"

#include "Library/world/tile_map.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/soldier_entity.h"

CellStamps::CellStamps(TileMap& map, CellMarks& marks) : m_map(map), m_marks(marks) {
    m_marks.StartRound(map.GetWidth(), map.GetHeight());
}

// A cell off the map has no flags to change or give back.
void CellStamps::Remember(int x, int y) {
    if (!m_marks.Mark(x, y))
        return;
    m_saved.push_back({x, y, m_map.IsWalkable(x, y), m_map.HasAreaFlag(x, y)});
}

template <class Change>
void CellStamps::Stamp(const EntityPtrList& list, const Entity* reference, Change change) {
    list.ForEachSelected([&](Entity& entity) {
        SoldierEntity* soldier = nullptr;
        const Vector& at = Entity::AsSoldier(&entity, &soldier) ? soldier->GetAnchorFor(reference)
                                                                : entity.GetPosition();
        ForEachCellTouched(at, entity.GetRadius() * 0.5f, [&](int x, int y) {
            Remember(x, y);
            change(x, y);
        });
    });
}

void CellStamps::StampAreaFlag(const EntityPtrList& list, const Entity* reference) {
    Stamp(list, reference, [this](int x, int y) { m_map.SetAreaFlag(x, y, true); });
}

void CellStamps::StampImpassable(const EntityPtrList& list, const Entity* reference) {
    Stamp(list, reference, [this](int x, int y) { m_map.SetWalkable(x, y, false); });
}

void CellStamps::Restore() {
    for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved) {
        m_map.SetWalkable(saved->x, saved->y, saved->walkable);
        m_map.SetAreaFlag(saved->x, saved->y, saved->area);
    }
    m_saved.clear();
}

bool IsCircleOnPassableCells(const TileMap& map, const Vector& centre, float radius) {
    bool passable = std::isfinite(centre.x) && std::isfinite(centre.y);
    ForEachCellTouched(centre, radius,
                       [&](int x, int y) { passable = passable && map.IsWalkable(x, y); });
    return passable;
}

bool CircleTouchesAreaFlag(const TileMap& map, const Vector& centre, float radius) {
    bool touches = false;
    ForEachCellTouched(centre, radius,
                       [&](int x, int y) { touches = touches || map.HasAreaFlag(x, y); });
    return touches;
}
