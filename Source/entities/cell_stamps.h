#pragma once
// Living creatures put onto the tile map's cells for one placement search: the cells their
// circles touch lose the walk flag or gain the area flag, and each cell gets back exactly
// the flags it had when the stamps go (the cells' other flags may have been changed by a
// door or a script, so working them out again from the tile types would lose that).
// Searches must not nest: one set of stamps at a time, which alone uses the marks.

#include "Library/core/vector.h"
#include "Library/geometry/box3.h"
#include "Source/entities/cell_marks.h"

#include <cmath>
#include <vector>

class Entity;
class EntityPtrList;
class TileMap;

class CellStamps {
public:
    CellStamps(TileMap& map, CellMarks& marks);
    CellStamps(const CellStamps&) = delete;
    CellStamps& operator=(const CellStamps&) = delete;
    ~CellStamps() { Restore(); }

    // Every selected soldier of the list: a circle of half its radius at its anchor for
    // the reference (a soldier's own position unless bound for the reference).
    void StampAreaFlag(const EntityPtrList& list, const Entity* reference);
    void StampImpassable(const EntityPtrList& list, const Entity* reference);
    void Restore(); // every stamped cell as it was

private:
    struct Saved {
        int x;
        int y;
        bool walkable;
        bool area;
    };
    template <class Change>
    void Stamp(const EntityPtrList& list, const Entity* reference, Change change);
    void Remember(int x, int y);

    TileMap& m_map;
    CellMarks& m_marks; // the cells saved already
    std::vector<Saved> m_saved;
};

// A circle reaching beyond a million cells from the origin lies off every map, and its
// cell numbers would not fit an int: callers treat it as meeting no cell.
inline bool IsWithinCellRange(const Vector& centre, float radius) {
    constexpr float kFarthest = 1e6f;
    return radius >= 0.0f && std::fabs(centre.x) + radius <= kFarthest &&
           std::fabs(centre.y) + radius <= kFarthest;
}

// Every cell whose square the circle meets, edges included, row by row.
template <class Visit> void ForEachCellTouched(const Vector& centre, float radius, Visit visit) {
    if (!IsWithinCellRange(centre, radius))
        return;
    // A cell whose far edge the circle just reaches counts too.
    const int x1 = static_cast<int>(std::ceil(centre.x - radius)) - 1;
    const int x2 = static_cast<int>(std::floor(centre.x + radius));
    const int y1 = static_cast<int>(std::ceil(centre.y - radius)) - 1;
    const int y2 = static_cast<int>(std::floor(centre.y + radius));
    const Vector half(0.5f, 0.5f, 0.0f);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Box3(Vector(x + 0.5f, y + 0.5f, 0.0f), half).IntersectsSphere(centre, radius))
                visit(x, y);
}

// A circle is on passable cells when every cell it touches may be walked on.
bool IsCircleOnPassableCells(const TileMap& map, const Vector& centre, float radius);
bool CircleTouchesAreaFlag(const TileMap& map, const Vector& centre, float radius);
