#include "Library/world/fog_images.h"

#include "Library/files/data_paths.h"

#include <cstdio>

void FogImages::Load(const DataPaths& paths, ResFileMgr* archive) {
    const Stringc directory = paths.GetMapGraphicDir() + "/misc/";
    m_unexplored.Load(&paths, archive, (directory + "fow_unexplored.tga").c_str(), true);
    for (int dir = 0; dir < kEdgeCount; ++dir) {
        char name[40];
        std::snprintf(name, sizeof name, "fow_unexplored_edge_%d.tga", dir);
        m_edges[dir].Load(&paths, archive, (directory + name).c_str(), true);
    }
}
