#pragma once
// The pictures every area map shares, in "misc" of the map graphic directory: the fog of
// war (the unexplored ground and its eight edges, the explored side toward the edge's
// direction) and the nine frames of the sea (rough, choppy and calm, three frames each,
// 64 x 36 pixels that repeat seamlessly over 4 x 3 cells).

#include "Library/core/stringc.h"

class DataPaths;

class MapArt {
public:
    explicit MapArt(const DataPaths& paths);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteFog() const;
    bool WriteWater() const;

    Stringc m_directory;
};
