#pragma once
// The inventory screen (modes 10 and 13): the active member's equipment and backpack beside
// a second list, the items lying within its reach (mode 13) or the backpack of a creature
// or the contents of a container it opened (mode 10). The display does the item handling.

#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>

class ContainerEntity;
class GenInterRoutine;
class GraphicMgr;
class InterfaceObject;

class PlayerInvPanel : public ModePage {
public:
    enum ButtonId : uint32_t {
        kDone = 0,
        kBackpackUp = 1,
        kBackpackDown = 2,
        kOtherUp = 3,
        kOtherDown = 4,
        kDescriptionUp = 5,
        kDescriptionDown = 6,
    };

    // Null: the items within reach. The member stops what it was doing.
    PlayerInvPanel(GraphicMgr& graphics, ContainerEntity* container);
    // Left without Done, it still gives the second list back.
    ~PlayerInvPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;
    void LeaveWorld() override; // the ground's items back on the map, a chest closed

    GenInterRoutine& GetDisplay() { return *m_display; }

    static WindowLayout Layout();

private:
    void Act(uint32_t id);

    std::unique_ptr<GenInterRoutine> m_display;
    InterfaceObject* m_window = nullptr; // the interface's
    CachedGraphic m_picture;
};
