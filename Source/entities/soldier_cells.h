#pragma once
// The soldier pool sorted into square cells of the map by position, so that a question about
// a point or a segment visits only the soldiers of the cells its rectangle touches, widened
// by the widest soldier, in slot order, instead of the whole pool. Soldiers report each move
// and each change of radius; a pool that has grown, or a map of another size, is sorted
// anew at the next question.
//
// Its selections of nobody and of every living soldier but one or two are not written out:
// the soldiers hold them back (WorldObject::HoldFlagsBy) and each takes the last one when
// its flags are first read or changed, until the next selection of the cells replaces it.
// What a held selection is worked out from must not change unseen: a soldier's kind or life
// state changes only after its flags were settled, and a soldier is settled and lets go
// before its slot is freed. The cells also remember the first of the selection of every
// searchable soldier (see RememberSearchable) while nothing that selection reads changes.

#include "Library/core/vector.h"
#include "Source/entities/entity_ptr_list.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class TileMap;

class SoldierCells {
public:
    static constexpr float kCellSize = 4.0f;

    explicit SoldierCells(const EntityPtrList& pool); // the manager's soldier pool
    ~SoldierCells();                                  // the pool's soldiers no longer held

    SoldierCells(const SoldierCells&) = delete;
    SoldierCells& operator=(const SoldierCells&) = delete;

    void SetMap(const TileMap* map);   // may be null: one cell then
    void Moved(const Entity& soldier); // its position or radius changed

    // The used soldiers that may lie within reach of the rectangle spanned by the two
    // points, reach being the widest soldier's radius plus the margin, in slot order.
    // Visits more than that, never fewer; the whole pool for a rectangle or reach that is
    // not finite.
    template <class Visit>
    void ForEachNear(const Vector& a, const Vector& b, float margin, Visit visit) {
        Gather(a, b, margin, true);
        for (const int slot : m_gathered)
            visit(*m_slots[static_cast<size_t>(slot)].soldier);
    }
    // The same soldiers in any order, for a question whose answer and flags do not depend
    // on it.
    template <class Visit>
    void ForEachNearInAnyOrder(const Vector& a, const Vector& b, float margin, Visit visit) {
        Gather(a, b, margin, false);
        for (const int slot : m_gathered)
            visit(*m_slots[static_cast<size_t>(slot)].soldier);
    }

    void DeselectAll();           // every used soldier, held back
    void Select(Entity& soldier); // a used soldier
    // Every used soldier selected exactly when the test passes, in one pass. The test must
    // not read the candidate flag.
    template <class Test> void SelectWhere(Test test) {
        SortIfStale();
        m_heldRound = 0; // every soldier that could still hold it is written
        for (size_t slot = 0; slot < m_slots.size(); ++slot) {
            if (m_pool.IsUsed(static_cast<int>(slot))) {
                Entity& soldier = *m_slots[slot].soldier;
                soldier.SetCandidateUnreported(test(soldier));
            }
        }
        Forget();
    }
    void Forget(); // a soldier's flags changed, or one was freed: the search is not recalled

    // Every used soldier selected exactly when it is not dead and neither of the two, held
    // back (see above); the two's own flags are left to the caller.
    void SelectLivingBut(const Entity* a, const Entity* b);
    const uint64_t& GetHeldRound() const { return m_heldRound; }     // what the soldiers hold by
    uint32_t HeldFlags(const Entity& soldier, uint32_t flags) const; // a soldier settling
    // Every soldier of the pool settled and holding nothing more, as the pool is freed: a
    // soldier holds from the allocation of its slot to its freeing.
    void ReleaseAll();

    // The soldier pool with exactly the used soldiers on passable cells of the map and
    // without the unsearchable flag selected, first the first of them: recalled while no
    // soldier's flags, position or slot and no walkable cell of the map have changed since
    // it was remembered.
    void RememberSearchable(const TileMap& map, Entity& first);
    Entity* RecallSearchable(const TileMap& map) const; // null when not known

private:
    struct Slot {
        Entity* soldier;
        int cell; // the overflow cell for a position that is not finite
    };
    struct Occupant { // of a cell; the position kept here to spare reading the soldier
        int slot;
        float x;
        float y;
    };
    void SortIfStale();
    int CellOf(const Vector& position) const;
    int Column(float x) const;
    int Row(float y) const;
    void Gather(const Vector& a, const Vector& b, float margin, bool ordered);
    void GatherAll();
    void NoteRadius(float radius);
    Occupant& FindInCell(int slot, int cell);
    void StartRound(const Entity* a, const Entity* b, bool living);

    const EntityPtrList& m_pool;
    const TileMap* m_map = nullptr;
    std::vector<Slot> m_slots; // by pool slot
    std::unordered_map<const Entity*, int> m_slotOf;
    std::vector<std::vector<Occupant>> m_cells; // columns x rows, then the overflow cell
    std::vector<int> m_gathered;
    int m_columns = 0;
    int m_rows = 0;
    int m_mapWidth = -1;
    int m_mapHeight = -1;
    float m_widest = 0.0f;               // never shrinks until the next sorting; infinite for a NaN
    Entity* m_searchableFirst = nullptr; // null: not known
    const TileMap* m_searchableMap = nullptr;
    uint32_t m_searchableWalkChanges = 0;
    uint64_t m_heldRound = 0; // 0: nothing held
    uint64_t m_lastRound = 0;
    const Entity* m_heldOut[2] = {};
    bool m_heldLiving = false; // else nobody
};
