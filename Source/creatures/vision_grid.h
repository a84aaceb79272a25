#pragma once
// Which map cells around a creature it can see, recomputed whenever it enters another tile;
// for the party's first member also written into the tile map's fog of war. A cell is seen
// when the tile is see-through and one of its two inner neighbours toward the creature is
// seen, so a wall hides what lies straight behind it.

#include <cstdint>

class TileMap;
class Vector;

class VisionGrid {
public:
    static constexpr int kMaxRadius = 20;
    static constexpr int kSide = 41;
    // The creature's own cell sits at column and row 21, so the grid holds offsets -21 to
    // +19: cells at +20 are never seen.
    static constexpr int kCentre = 21;

    explicit VisionGrid(TileMap& map); // nothing seen; the map must outlive the grid

    // False, and nothing recomputed, while the position lies on the same tile; otherwise
    // the cells are recomputed around it with the radius held within 0..20.
    bool Recompute(const Vector& position, int radius);
    // Within the radius of the centre tile's corner (z counting) and its cell seen, the
    // cell found by truncating the offset toward zero.
    bool IsVisible(const Vector& point) const;
    // Only after a recompute that moved: the in-view flags and edges around the previous
    // centre come off the map.
    void ClearSeenTiles();
    // Only after a recompute that moved: the seen cells within the radius go onto the map
    // in view and explored, with the edges of both areas and their directions.
    void FlagSeenTiles();

    bool HasChanged() const { return m_changed != 0; }
    bool IsCellSeen(int dx, int dy) const; // false for an offset without a cell

private:
    static constexpr int kFarAway = -10000; // the first recompute always runs
    static constexpr uint8_t kSeen = 0;
    static constexpr uint8_t kNotSeen = 1;

    static bool HasCell(int dx, int dy);
    uint8_t& Cell(int dx, int dy) { return m_cells[(dx + kCentre) * kSide + dy + kCentre]; }
    void ComputeCell(int dx, int dy);
    // An edge tile: its bit, and its direction away from the neighbours without the flag.
    template <class Test, class SetEdge> void FlagEdge(int x, int y, Test hasFlag, SetEdge setEdge);

    TileMap& m_map;
    int32_t m_centreX = kFarAway;
    int32_t m_centreY = kFarAway;
    int32_t m_previousX = kFarAway;
    int32_t m_previousY = kFarAway;
    int32_t m_radius = 0;
    uint8_t m_cells[kSide * kSide];
    uint8_t m_changed = 0;
};
