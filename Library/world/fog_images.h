#pragma once
// The pictures of the fog of war, loaded once from the map graphic directory: the
// unexplored ground, and eight edges of it chosen by a cell's edge direction (0 up on the
// screen, then clockwise). Encoded, so their magenta pixels let the ground show.

#include "Library/graphics/graphic.h"

class DataPaths;
class ResFileMgr;

class FogImages {
public:
    static constexpr int kEdgeCount = 8;

    // "misc/fow_unexplored.tga" and "misc/fow_unexplored_edge_N.tga"; one that cannot be
    // loaded is reported and draws nothing.
    void Load(const DataPaths& paths, ResFileMgr* archive);

    const Graphic& Unexplored() const { return m_unexplored; }
    const Graphic& Edge(int dir) const { return m_edges[dir & (kEdgeCount - 1)]; }

private:
    Graphic m_unexplored;
    Graphic m_edges[kEdgeCount];
};
