#pragma once
// One mark per cell of a map, all cleared at once by moving to a new round: the first visit
// of a cell in a round is told apart from a repeat in constant time. Kept beside the map,
// never in its cell records, so nothing of it is written with the map or a save.

#include <cstddef>
#include <cstdint>
#include <vector>

class CellMarks {
public:
    // A new round on a grid of that size: no cell marked.
    void StartRound(int width, int height);
    // Marks the cell; true when it was not marked yet this round. Cells off the grid are
    // never marked: false.
    bool Mark(int x, int y);
    bool IsMarked(int x, int y) const; // this round; false off the grid

private:
    bool IsOnGrid(int x, int y) const;
    size_t Index(int x, int y) const;

    std::vector<uint32_t> m_rounds; // the round each cell was last marked in
    int m_width = 0;
    int m_height = 0;
    uint32_t m_round = 0;
};
