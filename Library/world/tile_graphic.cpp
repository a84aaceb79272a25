#include "Library/world/tile_graphic.h"

#include "Library/files/data_paths.h"

void TileGraphic::Reset() {
    for (Graphic& image : m_images)
        image.Clear();
    for (Stringc& name : m_names)
        name = "";
    m_current = 0;
    m_rect = Rect::Make(-1, -1, -1, -1);
}

bool TileGraphic::Load(const DataPaths& paths, ResFileMgr* archive, const char* name0,
                       const char* name1, int x, int y) {
    Reset();
    const Stringc directory = paths.GetMapGraphicDir() + "/TileGraphic/";
    const char* names[2] = {name0, name1};
    for (int i = 0; i < 2; ++i)
        if (!m_images[i].Load(&paths, archive, (directory + names[i]).c_str(), false)) {
            Reset();
            return false;
        }
    m_names[0] = name0;
    m_names[1] = name1;
    m_rect = Rect::Make(x, y, x + m_images[0].GetWidth(), y + m_images[0].GetHeight());
    return true;
}

bool TileGraphic::Matches(const char* name0, const char* name1, int x, int y) const {
    return m_names[0] == name0 && m_names[1] == name1 && m_rect.x1 == x && m_rect.y1 == y;
}

const Graphic* TileGraphic::GetCurrent() const {
    const Graphic& image = m_images[m_current];
    return image.GetData() ? &image : nullptr;
}
