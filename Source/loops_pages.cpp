// The game's pages by mode id: the frame driver makes the current mode's page from here.
#include "Source/loops.h"

#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/mode_pages.h"
#include "Library/world/mode_record.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/editors/animation_editor.h"
#include "Source/editors/graphic_offset_calc.h"
#include "Source/editors/map_editor.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/main.h"
#include "Source/screens/character_panel.h"
#include "Source/screens/credits_panel.h"
#include "Source/screens/dialogue_panel.h"
#include "Source/screens/edit_game_panel.h"
#include "Source/screens/game_map_panel.h"
#include "Source/screens/game_over_panel.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/game_world_map_panel.h"
#include "Source/screens/load_save_panel.h"
#include "Source/screens/main_panel.h"
#include "Source/screens/menu_panel.h"
#include "Source/screens/new_game_panel.h"
#include "Source/screens/options_panel.h"
#include "Source/screens/party_orders.h"
#include "Source/screens/player_inv_panel.h"
#include "Source/screens/quest_panel.h"
#include "Source/screens/rest_panel.h"
#include "Source/screens/select_player_script_panel.h"
#include "Source/screens/trade_panel.h"
#include "Source/screens/world_map_panel.h"
#include "Source/world/game_clock.h"
#include "Source/world/game_config.h"
#include "Source/world/info_panels.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/log_mgr.h"
#include "Source/world/party_mgr.h"

#include <memory>

namespace {

// Set for each run; the title menu clears it once the first-run conversion has nothing left.
bool g_converting = true;

// What a chosen inventory opens beside the member: a creature's backpack or a chest on the
// map; null for anything else, which is no entity the region holds.
ContainerEntity* ChosenContainer(const ModeRecord& mode) {
    Entity* entity = mode.GetArgObject<Entity>(1);
    if (!g_entityMgr || !g_entityMgr->IsInUsedSlot(entity))
        return nullptr;
    if (entity->GetType() == Entity::kTypeContainerMap)
        return static_cast<ContainerEntity*>(entity);
    Creature* creature = entity->GetType() == Entity::kTypeSoldier ? Creature::Of(entity) : nullptr;
    return creature ? &creature->GetData().GetInventory().GetBackpack() : nullptr;
}

} // namespace

// The globals are read when a page is made, so registering may come before they exist.
void Loops::RegisterModePages() {
    g_converting = true;
    ModePages& pages = GetModePages();
    pages.SetFactory(kModeTitleMenu, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<MainPanel>(MainPanel::Services{
            *g_graphicMgr, *g_partyMgr, *g_loadSaveMgr, g_converting, &Main::Quit});
    });
    const auto playScreen = [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<GamePlayPanel>(
            GamePlayPanel::Services{*g_graphicMgr, *g_hudMessages, *g_infoPanel2, g_partyOrders,
                                    [](int mode) { return GetModePages().HasFactory(mode); }});
    };
    pages.SetFactory(kModeStoryPage, playScreen);
    pages.SetFactory(kModeAreaMap, playScreen);
    pages.SetFactory(kModeRest, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<RestPanel>(
            RestPanel::Services{*g_graphicMgr, *g_gameClock, g_entityMgr, g_partyOrders});
    });
    pages.SetFactory(kModeMapPicture, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<GameMapPanel>(
            GameMapPanel::Services{*g_graphicMgr, *g_tileMap, g_entityMgr});
    });
    pages.SetFactory(kModeWorldMapPicture, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<GameWorldMapPanel>();
    });
    pages.SetFactory(kModeWorldMap, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<WorldMapPanel>(
            WorldMapPanel::Services{*g_hudMessages, g_partyOrders});
    });
    pages.SetFactory(kModeGameMenu, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<MenuPanel>(
            MenuPanel::Services{*g_graphicMgr, *g_partyMgr, g_entityMgr, [] {
                                    DeleteSessionObjects();
                                    CreateSessionObjects();
                                }});
    });
    for (const int mode : {kModeLoadGame, kModeSaveGame})
        pages.SetFactory(mode, [](const ModeRecord& record) -> std::unique_ptr<ModePage> {
            return std::make_unique<LoadSavePanel>(
                LoadSavePanel::Services{*g_graphicMgr, *g_loadSaveMgr},
                record.GetId() == kModeLoadGame ? LoadSavePanel::kChoosingToLoad
                                                : LoadSavePanel::kChoosingToSave);
        });
    pages.SetFactory(kModeNewGame, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<NewGamePanel>(
            NewGamePanel::Services{*g_graphicMgr, *g_tileMap, g_entityMgr, *g_partyMgr,
                                   *g_loadSaveMgr, *g_infoPanel4, *g_infoPanel3});
    });
    pages.SetFactory(kModeOptions, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<OptionsPanel>(
            OptionsPanel::Services{*g_graphicMgr, *g_config, g_soundMgr});
    });
    pages.SetFactory(kModeCredits, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<CreditsPanel>(CreditsPanel::Services{*g_graphicMgr, *g_infoPanel2});
    });
    pages.SetFactory(kModeGameOver, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<GameOverPanel>(
            GameOverPanel::Services{*g_graphicMgr, *g_hudMessages});
    });
    pages.SetFactory(kModePlayerScript, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<SelectPlayerScriptPanel>(*g_graphicMgr, g_partyMgr->GetLeader());
    });
    pages.SetFactory(kModeQuestLog, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<QuestPanel>(*g_graphicMgr, *g_logMgr, g_partyMgr->GetLeader());
    });
    pages.SetFactory(kModeCharacterSheet, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<CharacterPanel>(
            CharacterPanel::Services{*g_graphicMgr, *g_partyMgr, *g_infoPanel3, *g_infoPanel4});
    });
    pages.SetFactory(kModeDialogue, [](const ModeRecord& mode) -> std::unique_ptr<ModePage> {
        return std::make_unique<DialoguePanel>(*g_graphicMgr, mode.GetEntity<Entity>(),
                                               mode.GetName());
    });
    pages.SetFactory(kModeTrade, [](const ModeRecord& mode) -> std::unique_ptr<ModePage> {
        Entity* trader = mode.GetEntity<Entity>();
        if (!g_entityMgr || !g_entityMgr->IsInUsedSlot(trader) || !Creature::Of(trader))
            return nullptr; // the frame driver leads back to the game
        return std::make_unique<TradePanel>(*g_graphicMgr, *g_partyMgr, trader, mode.GetName(),
                                            static_cast<int32_t>(mode.GetArg(0)));
    });
    pages.SetFactory(kModeInventory, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<PlayerInvPanel>(*g_graphicMgr, nullptr);
    });
    pages.SetFactory(kModeChosenInventory, [](const ModeRecord& mode) -> std::unique_ptr<ModePage> {
        ContainerEntity* container = ChosenContainer(mode);
        if (!container)
            return nullptr; // the frame driver leads back to the game
        return std::make_unique<PlayerInvPanel>(*g_graphicMgr, container);
    });
    pages.SetFactory(kModeEditorMenu, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<EditGamePanel>();
    });
    pages.SetFactory(kModeAnimationEditor, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<AnimationEditor>(*g_uniAnimationMgr);
    });
    pages.SetFactory(kModeGraphicOffsetEditor, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<GraphicOffsetCalc>(*g_tileMap);
    });
    pages.SetFactory(kModeMapEditor, [](const ModeRecord&) -> std::unique_ptr<ModePage> {
        return std::make_unique<MapEditor>(MapEditor::Services{[] {
            DeleteSessionObjects();
            CreateSessionObjects();
        }});
    });
}
