#pragma once
// The world's picture (mode 16): a fixed picture of the whole world over the screen, with
// "Done" back to the map.

#include "Library/world/mode_page.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class Entity;
class InterfaceObject;

class GameWorldMapPanel : public ModePage {
public:
    enum ButtonId : uint32_t { kDone = 0 };

    GameWorldMapPanel();

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;

    static WindowLayout Layout();

private:
    Entity* m_leader = nullptr;          // as the screen opened; never read, as it may go meanwhile
    InterfaceObject* m_window = nullptr; // the interface's
};
