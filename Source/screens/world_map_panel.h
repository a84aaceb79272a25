#pragma once
// The world map (mode 22): the party's leader travels a region like an area map, by mouse
// orders, and game time passes only while the leader moves. Towns are discovered on the
// way. A spot may hold an encounter: the region's script names an area script, which this
// screen runs in its own script machine followed by the encounter's script, and the player
// is asked, or made, to enter the encounter's temporary map. The scripts set the screen up
// through the world map controls while it exists.

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"
#include "Library/graphics/rect.h"
#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"
#include "Source/screens/world_map_hot_spot.h"
#include "Source/scripting/world_map_controls.h"

#include <cstdint>
#include <memory>

class Entity;
class GameVirtualMachine;
class Graphic;
class InfoPanel;
class InterfaceObject;
class MessageBox;
class PartyOrders;
class SoldierEntity;

class WorldMapPanel : public ModePage, public WorldMapControls {
public:
    enum State : int32_t {
        kOverBottomBar = 0,
        kAreaView = 1, // nothing enters it: the area view is not built
        kMapView = 2,
        kConfirm = 3,
    };
    enum ButtonId : uint32_t { kMessagesUp = 0, kMessagesDown = 1, kIcon = 2, kArea = 3 };
    static constexpr int kForcedChance = 50; // percent, for an encounter that may be forced
    static constexpr const char* kDiscoveryText = "You have discovered a new area.";

    // What the screen works with beyond the engine's singletons.
    struct Services {
        InfoPanel& messages; // the message list, placed in the bottom bar
        PartyOrders* party;  // null: no leader, no travel and no orders
    };

    explicit WorldMapPanel(const Services& services);
    ~WorldMapPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    // The scripts' controls. A hot spot is kept in the first free slot and numbered; its
    // button belongs to the area window, which is never built, so nothing shows it.
    void AddHotSpot(const Stringc& name, const Vector& position, const Stringc& map,
                    const Stringc& entryPoint) override;
    void SetAreaScript(const Stringc& name, bool encounters) override;
    void SetConfirmText(const Stringc& text) override;
    void SetEncounterMapName(const Stringc& name) override;
    void SetEncounterScriptName(const Stringc& name) override;

    int GetState() const { return m_state; }
    // Whether this frame's update ran the region's entities, and with them their scripts.
    bool HasRunWorld() const { return m_ranWorld; }
    const Graphic* GetSidePanel() const { return m_sidePanel.Get(); }
    bool HasSidePanel() const { return GetSidePanel() != nullptr; }
    const MessageBox& GetConfirmBox() const { return *m_confirmBox; }
    const Stringc& GetEncounterMapName() const { return m_encounterMap; }
    const Stringc& GetEncounterScriptName() const { return m_encounterScript; }
    int GetEncounterChance() const { return m_encounterChance; }
    const MemMgr<WorldMapHotSpot>& GetHotSpots() const { return *m_hotSpots; }
    int GetLastHotSpot() const { return m_lastHotSpot; } // -1 while the list is clear

    static WindowLayout TopBarLayout();
    static WindowLayout BottomBarLayout();
    static WindowLayout IconLayout();

private:
    SoldierEntity* Leader() const; // the party's active member now, or null
    void SetState(int state);
    bool LoadScript(const Stringc& name);
    void RunAreaScript();
    void RequestEncounter();
    void RefreshHitPoints();
    void LoadSidePanelPicture();
    void UpdateBottomBar();
    void TravelStep();
    void TryDiscovery();
    void ActOnPartySpot();
    void PlaceIcon();

    void DrawTopBar(Screen& screen);
    void DrawBottomBar(Screen& screen);
    void DrawDate(Screen& screen);
    void DrawPartySign(Screen& screen);
    void DrawSidePanel(Screen& screen);

    Services m_services;
    int m_state = -1;
    bool m_areaScriptPending = false;
    std::unique_ptr<GameVirtualMachine> m_machine;
    std::unique_ptr<MemMgr<WorldMapHotSpot>> m_hotSpots;
    int m_lastHotSpot = -1;
    InterfaceObject* m_topBar = nullptr; // these windows are the interface's
    InterfaceObject* m_bottomBar = nullptr;
    InterfaceObject* m_iconWindow = nullptr;
    std::unique_ptr<MessageBox> m_confirmBox;
    Rect m_view{0, 31, 800, 517};
    bool m_redrawTopBar = true;
    bool m_redrawBottomBar = true;
    bool m_redrawDate = true;
    Stringc m_areaScript;
    Stringc m_encounterMap;
    Stringc m_encounterScript;
    Stringc m_spareName1; // two names kept with the screen's data that nothing reads
    Stringc m_spareName2;
    int m_encounterChance = -1;
    CachedGraphic m_sidePanel; // the interface's, given back when the screen goes
    bool m_redrawSidePanel = false;
    int m_hitPoints = 0;
    int m_maxHitPoints = 0;
    bool m_ranWorld = false;
};
