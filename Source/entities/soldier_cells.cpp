#include "Source/entities/soldier_cells.h"

#include "Library/world/tile_map.h"

#include <algorithm>
#include <cmath>

namespace {

// Past this a rectangle covers every cell anyway, and its cell numbers would not fit an int.
constexpr float kFarthest = 1e6f;

bool IsUsable(float value) {
    return std::isfinite(value) && std::fabs(value) <= kFarthest;
}

} // namespace

SoldierCells::SoldierCells(const EntityPtrList& pool) : m_pool(pool) {}

// The pool's soldiers go with it: what they hold no longer matters.
SoldierCells::~SoldierCells() {
    m_heldRound = 0;
    ReleaseAll();
}

void SoldierCells::SetMap(const TileMap* map) {
    m_map = map;
    m_mapWidth = -1; // sorted anew at the next question
    m_searchableFirst = nullptr;
}

// Clamped to 0 and above, so the cast rounds down.
int SoldierCells::Column(float x) const {
    const int column = static_cast<int>(std::clamp(x, 0.0f, kFarthest) / kCellSize);
    return std::min(column, m_columns - 1);
}

int SoldierCells::Row(float y) const {
    const int row = static_cast<int>(std::clamp(y, 0.0f, kFarthest) / kCellSize);
    return std::min(row, m_rows - 1);
}

// Cells clamp to the grid: a point beyond an edge goes to the edge's cell, which a
// rectangle reaching beyond that edge also clamps to.
int SoldierCells::CellOf(const Vector& position) const {
    if (!IsUsable(position.x) || !IsUsable(position.y))
        return m_columns * m_rows;
    return Row(position.y) * m_columns + Column(position.x);
}

void SoldierCells::NoteRadius(float radius) {
    m_widest = std::isnan(radius) ? INFINITY : std::max(m_widest, std::fabs(radius));
}

// A pool that has grown only adds its new slots; a map of another size sorts all anew.
void SoldierCells::SortIfStale() {
    const int width = m_map ? m_map->GetWidth() : 0;
    const int height = m_map ? m_map->GetHeight() : 0;
    if (width != m_mapWidth || height != m_mapHeight ||
        static_cast<size_t>(m_pool.GetSlotCount()) < m_slots.size()) {
        m_mapWidth = width;
        m_mapHeight = height;
        m_columns = std::max(1, static_cast<int>(std::ceil(m_mapWidth / kCellSize)));
        m_rows = std::max(1, static_cast<int>(std::ceil(m_mapHeight / kCellSize)));
        m_cells.assign(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows) + 1, {});
        m_slots.clear();
        m_slotOf.clear();
        m_widest = 0.0f;
    }
    for (int slot = static_cast<int>(m_slots.size()); slot < m_pool.GetSlotCount(); ++slot) {
        Entity* soldier = m_pool.GetAt(slot);
        const Vector& position = soldier->GetPosition();
        const int cell = CellOf(position);
        m_slots.push_back({soldier, cell});
        m_slotOf[soldier] = slot;
        m_cells[static_cast<size_t>(cell)].push_back({slot, position.x, position.y});
        NoteRadius(soldier->GetRadius());
    }
}

SoldierCells::Occupant& SoldierCells::FindInCell(int slot, int cell) {
    std::vector<Occupant>& occupants = m_cells[static_cast<size_t>(cell)];
    return *std::find_if(occupants.begin(), occupants.end(),
                         [slot](const Occupant& occupant) { return occupant.slot == slot; });
}

// A soldier not sorted yet is one of a pool that has grown since: all are sorted anew.
void SoldierCells::Moved(const Entity& soldier) {
    m_searchableFirst = nullptr;
    const auto found = m_slotOf.find(&soldier);
    if (found == m_slotOf.end())
        return;
    const int slot = found->second;
    Slot& entry = m_slots[static_cast<size_t>(slot)];
    const Vector& position = soldier.GetPosition();
    const int cell = CellOf(position);
    Occupant& occupant = FindInCell(slot, entry.cell);
    if (cell == entry.cell) {
        occupant.x = position.x;
        occupant.y = position.y;
    } else {
        std::vector<Occupant>& old = m_cells[static_cast<size_t>(entry.cell)];
        occupant = old.back();
        old.pop_back();
        m_cells[static_cast<size_t>(cell)].push_back({slot, position.x, position.y});
        entry.cell = cell;
    }
    NoteRadius(soldier.GetRadius());
}

void SoldierCells::GatherAll() {
    for (int slot = 0; slot < m_pool.GetSlotCount(); ++slot)
        if (m_pool.IsUsed(slot))
            m_gathered.push_back(slot);
}

// Within the cells, only the soldiers whose position lies in the widened rectangle; those
// of the overflow cell all.
void SoldierCells::Gather(const Vector& a, const Vector& b, float margin, bool ordered) {
    SortIfStale();
    m_gathered.clear();
    // One more unit than the reach covers any rounding in the callers' tests.
    const float reach = m_widest + std::fabs(margin) + 1.0f;
    const float x1 = std::min(a.x, b.x) - reach;
    const float x2 = std::max(a.x, b.x) + reach;
    const float y1 = std::min(a.y, b.y) - reach;
    const float y2 = std::max(a.y, b.y) + reach;
    if (!IsUsable(x1) || !IsUsable(x2) || !IsUsable(y1) || !IsUsable(y2)) {
        GatherAll();
        return;
    }
    for (int row = Row(y1); row <= Row(y2); ++row)
        for (int column = Column(x1); column <= Column(x2); ++column)
            for (const Occupant& occupant : m_cells[static_cast<size_t>(row * m_columns + column)])
                if (occupant.x >= x1 && occupant.x <= x2 && occupant.y >= y1 && occupant.y <= y2 &&
                    m_pool.IsUsed(occupant.slot))
                    m_gathered.push_back(occupant.slot);
    for (const Occupant& occupant : m_cells.back())
        if (m_pool.IsUsed(occupant.slot))
            m_gathered.push_back(occupant.slot);
    if (ordered)
        std::sort(m_gathered.begin(), m_gathered.end());
}

// Nobody selected: a round of its own, so nothing is written.
void SoldierCells::DeselectAll() {
    SortIfStale();
    StartRound(nullptr, nullptr, false);
}

void SoldierCells::Select(Entity& soldier) {
    soldier.SetCandidateUnreported(true);
    m_searchableFirst = nullptr;
}

void SoldierCells::SelectLivingBut(const Entity* a, const Entity* b) {
    SortIfStale();
    StartRound(a, b, true);
}

void SoldierCells::StartRound(const Entity* a, const Entity* b, bool living) {
    m_heldRound = ++m_lastRound;
    m_heldOut[0] = a;
    m_heldOut[1] = b;
    m_heldLiving = living;
    m_searchableFirst = nullptr;
}

uint32_t SoldierCells::HeldFlags(const Entity& soldier, uint32_t flags) const {
    const bool selected = m_heldLiving && !soldier.IsDeadSoldier() && &soldier != m_heldOut[0] &&
                          &soldier != m_heldOut[1];
    return selected ? flags | Entity::kFlagCandidate : flags & ~Entity::kFlagCandidate;
}

void SoldierCells::ReleaseAll() {
    for (int slot = 0; slot < m_pool.GetSlotCount(); ++slot)
        m_pool.GetAt(slot)->HoldFlagsBy(nullptr);
}

void SoldierCells::Forget() {
    m_searchableFirst = nullptr;
}

void SoldierCells::RememberSearchable(const TileMap& map, Entity& first) {
    m_searchableFirst = &first;
    m_searchableMap = &map;
    m_searchableWalkChanges = map.GetWalkChanges();
}

Entity* SoldierCells::RecallSearchable(const TileMap& map) const {
    return m_searchableMap == &map && m_searchableWalkChanges == map.GetWalkChanges()
               ? m_searchableFirst
               : nullptr;
}
