#pragma once
// The demo world's second map, "demo2": a glade of 60 x 60 cells south of the first map,
// ringed by trees, which the road from the first map enters at its northern edge and runs
// down to a clearing; a rock and a thicket stand in the grass.

class DataPaths;

class SecondMap {
public:
    static constexpr const char* kName = "demo2";
    static constexpr int kColumns = 60;
    static constexpr int kRows = 60;
    static constexpr int kRoadLeft = 27; // the gap in the trees at the northern edge
    static constexpr int kRoadRight = 32;

    explicit SecondMap(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, at the first file that cannot be written

    static int TypeAt(int column, int row);

private:
    const DataPaths& m_paths;
};
