#pragma once
// The area map's picture (mode 15): the map's overview picture on the splash, black where
// the party has not explored, a dot for every creature the party can see, a frame round
// the part the main view shows; pressing on the picture and dragging moves the main view.

#include "Library/graphics/graphic.h"
#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class Entity;
class EntityMgr;
class GraphicMgr;
class InterfaceObject;
class TileMap;

class GameMapPanel : public ModePage {
public:
    enum ButtonId : uint32_t { kDone = 0 };
    static constexpr float kPictureScale = 0.09375006f; // picture pixels per screen pixel
    static constexpr float kScreenScale = 10.666666f;   // and back

    // What the screen works with beyond the engine's singletons.
    struct Services {
        GraphicMgr& graphics;
        TileMap& map;
        EntityMgr* const& entities; // the current region's
    };

    explicit GameMapPanel(const Services& services);

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    // Where a world point lies on the screen's picture.
    void PictureAt(float worldX, float worldY, int& x, int& y) const;
    bool HasPicture() const { return m_width > 0; }
    bool IsDragging() const { return m_dragging; }
    const Graphic& GetCanvas() const { return m_canvas; }
    int GetPictureX() const { return m_x; }
    int GetPictureY() const { return m_y; }

    static WindowLayout Layout();

private:
    bool ComposeCanvas();
    void DotUnexplored();
    void DotCreatures();
    bool IsOverPicture(int x, int y) const;
    void CentreViewOnPointer();
    void DrawFrames(Screen& screen) const;

    Services m_services;
    Entity* m_leader = nullptr;          // as the screen opened; never read, as it may go meanwhile
    InterfaceObject* m_window = nullptr; // the interface's
    Graphic m_canvas;                    // the screen's own: the shared splash stays as it is
    CachedGraphic m_mapPicture;          // the overview, in the canvas from the start
    bool m_redraw = true;
    bool m_dragging = false;
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
};
