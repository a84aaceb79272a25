// The requests, the frame's transition, the fatal error box and the tutorial flag.
#include "Source/world/load_save_mgr.h"

#include "Library/core/game_mode_id.h"
#include "Library/files/stored_name.h"
#include "Library/graphics/screen.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/story_pages.h"

#include <cstdio>

LoadSaveMgr* g_loadSaveMgr = nullptr;
StoryPages* g_storyPages = nullptr;

namespace {

const char* const kKindNames[] = {
    "INIT_GAME",          "INIT_TUTORIAL",     "LOAD_GAME",     "SAVE_GAME",
    "PAGE_TO_MAP",        "PAGE_TO_TEMP_MAP",  "PAGE_TO_WORLD", "MAP_TO_PAGE",
    "MAP_TO_MAP",         "MAP_TO_WORLD",      "WORLD_TO_MAP",  "WORLD_TO_TEMP_MAP",
    "WORLD_TO_TEMP_MAP2", "TEMP_MAP_TO_WORLD",
};
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kErrorTextX = 25;
constexpr int kErrorTextY = 20;
constexpr int kErrorFont = 5;
constexpr int kErrorWrapWidth = 155;

void StripExtension(Stringc& name) {
    name.StripExtension();
}

} // namespace

LoadSaveMgr::LoadSaveMgr(const Services& services)
    : m_services(services), m_saveRoot(services.game.GetSavePath() + "/") {
    m_files->MakeDirectory(m_saveRoot);
    ClearWorkingFiles();
}

LoadSaveMgr::~LoadSaveMgr() {
    ClearWorkingFiles();
}

PlayerData::Keepers LoadSaveMgr::Keepers() const {
    return {m_services.party,      m_services.globals, m_services.gameTimers,
            m_services.realTimers, m_services.journal, m_services.clock};
}

void LoadSaveMgr::SetFiles(SaveFiles* files) {
    m_files = files ? files : &m_disk;
}

// ---- requests ----

void LoadSaveMgr::RequestInitGame(const Stringc& startScript) {
    if (!StoredName::Check(startScript))
        return;
    m_pending = kInitGame;
    m_startScript = startScript;
}

void LoadSaveMgr::RequestInitTutorial(const Stringc& startScript) {
    if (!StoredName::Check(startScript))
        return;
    m_pending = kInitTutorial;
    m_startScript = startScript;
}

void LoadSaveMgr::RequestLoadGame(int slot) {
    m_loadRefusal = "";
    m_pending = kLoadGame;
    m_slot = slot;
}

void LoadSaveMgr::RequestSaveGame(int slot, const Stringc& description) {
    m_pending = kSaveGame;
    m_slot = slot;
    m_description = description;
    if (m_services.game.IsOnMap()) {
        m_pageName = "";
        return;
    }
    m_mapName = "";
    m_workingMapName = "";
    m_pageName = m_services.pages ? m_services.pages->GetCurrentPage() : Stringc();
}

// The names a request gives become paths in the save and data folders: one that leads out
// of them refuses the request, and what was pending stays. So does an empty map name, area
// or world map alike, which would leave the party in the map's mode on no map at all.
bool LoadSaveMgr::Request(TransitionKind kind, const Stringc& region, const Stringc& entry) {
    if (region.Length() == 0 || !StoredName::Check(region))
        return false;
    m_pending = kind;
    m_targetMapName = region;
    m_targetWorkingName = region;
    m_entryPoint = entry;
    StripNames();
    return true;
}

void LoadSaveMgr::RequestPageToMap(const Stringc& region, const Stringc& entry) {
    Request(kPageToMap, region, entry);
}

void LoadSaveMgr::RequestPageToTempMap(const Stringc& region, const Stringc& script,
                                       const Stringc& entry) {
    if (StoredName::Check(script) && Request(kPageToTempMap, region, entry))
        m_regionScript = script;
}

void LoadSaveMgr::RequestPageToWorld(const Stringc& region, const Stringc& entry) {
    Request(kPageToWorld, region, entry);
}

void LoadSaveMgr::RequestMapToPage(const Stringc& page) {
    if (!StoredName::Check(page))
        return;
    m_pending = kMapToPage;
    m_pageName = page;
    if (m_services.game.GetModeId() == kModeWorldMap)
        SetDefaultEntryAtLeader();
}

void LoadSaveMgr::RequestMapToMap(const Stringc& region, const Stringc& entry) {
    Request(kMapToMap, region, entry);
}

void LoadSaveMgr::RequestMapToWorld(const Stringc& region, const Stringc& entry) {
    Request(kMapToWorld, region, entry);
}

void LoadSaveMgr::RequestWorldToMap(const Stringc&, const Stringc&) {}

void LoadSaveMgr::RequestWorldToTempMap(const Stringc& region, const Stringc& script,
                                        const Stringc& entry) {
    if (!StoredName::Check(script) || !Request(kWorldToTempMap, region, entry))
        return;
    m_regionScript = script;
    SetDefaultEntryAtLeader();
}

void LoadSaveMgr::RequestWorldToTempMap2(const Stringc& region, const Stringc& script) {
    if (region.Length() == 0 || !StoredName::Check(region) || !StoredName::Check(script))
        return;
    m_pending = kWorldToTempMap2;
    m_targetMapName = region;
    m_targetWorkingName = region;
    StripNames();
    m_regionScript = script;
    SetDefaultEntryAtLeader();
}

void LoadSaveMgr::RequestTempMapToWorld(const Stringc& region, const Stringc& entry) {
    Request(kTempMapToWorld, region, entry);
}

// The world map's party comes back where it left.
void LoadSaveMgr::SetDefaultEntryAtLeader() {
    const SoldierEntity* leader = m_services.party.GetLeaderSoldier();
    if (leader != nullptr && m_services.entries != nullptr)
        m_services.entries->SetDefault(leader->GetPosition(),
                                       static_cast<uint8_t>(leader->GetDirection()));
}

// ---- the frame ----

// Once, as they are asked for: the current map's names came from these, and a second cut
// would take a dot of a name's own ("town.v2"), writing its state under another map's name.
void LoadSaveMgr::StripNames() {
    for (Stringc* name : {&m_targetMapName, &m_targetWorkingName, &m_entryPoint})
        StripExtension(*name);
}

bool LoadSaveMgr::Update() {
    if (m_current == kErrorBox) {
        RunErrorBox();
        return false;
    }
    m_current = m_pending;
    m_pending = kNone;
    if (m_current == kNone)
        return true;
    const Outcome outcome = Run(m_current);
    if (outcome == kFailed) {
        ShowFatalError();
        return false;
    }
    if (outcome == kDone)
        m_services.game.SetPaused(false);
    m_current = kNone;
    return true;
}

LoadSaveMgr::Outcome LoadSaveMgr::Run(TransitionKind kind) {
    const auto done = [](bool succeeded) { return succeeded ? kDone : kFailed; };
    switch (kind) {
    case kInitGame:
        return done(InitGame(false));
    case kInitTutorial:
        return done(InitGame(true));
    case kLoadGame:
        return LoadGame();
    case kSaveGame:
        return SaveGame();
    case kPageToMap:
        return done(Travel(kFromPage, kModeAreaMap));
    case kPageToTempMap:
        return done(EnterTemporaryMap(kFromPage, true));
    case kPageToWorld:
        return done(Travel(kFromPage, kModeWorldMap));
    case kMapToPage:
        return done(MapToPage());
    case kMapToMap:
        return done(Travel(kFromMap, kModeAreaMap));
    case kMapToWorld:
        return done(Travel(kFromMap, kModeWorldMap));
    case kWorldToTempMap:
        return done(EnterTemporaryMap(kFromMap, false));
    case kWorldToTempMap2:
        return done(EnterTemporaryMap(kFromMap, true));
    case kTempMapToWorld:
        return done(Travel(kFromTemporaryMap, kModeWorldMap));
    default:
        return kDone;
    }
}

void LoadSaveMgr::ShowFatalError() {
    Stringc text;
    text.Format("There was an unrecoverable error: %s The game will now exit.",
                kKindNames[m_current]);
    std::fprintf(stderr, "%s\n", text.c_str());
    m_errorBox = std::make_unique<MessageBox>(kErrorBoxImage, (kScreenWidth - kErrorBoxWidth) / 2,
                                              (kScreenHeight - kErrorBoxHeight) / 2);
    m_errorBox->SetTextLayout(kErrorTextX, kErrorTextY, kErrorFont, kErrorWrapWidth);
    m_errorBox->AddButton(kErrorButtonImage, kErrorButtonX, kErrorButtonY);
    m_errorBox->SetText(text.c_str());
    m_current = kErrorBox;
    m_services.game.SetMode(kModeNone);
}

void LoadSaveMgr::RunErrorBox() {
    m_errorBox->Poll();
    if (m_errorBox->TakeFirstButton() && m_services.quit)
        m_services.quit();
}

void LoadSaveMgr::DrawErrorBox(Screen& screen) {
    if (m_current != kErrorBox)
        return;
    const uint16_t colour = screen.GetDrawColour();
    screen.SetDrawColour(0);
    screen.Clear();
    screen.SetDrawColour(colour);
    m_errorBox->Draw(screen);
}

Stringc LoadSaveMgr::TakeLoadRefusal() {
    Stringc refusal = m_loadRefusal;
    m_loadRefusal = "";
    return refusal;
}

void LoadSaveMgr::SetTutorialActive(bool active) {
    m_tutorial = active;
    m_services.tutorialPanel.SetVisible(active);
}

void LoadSaveMgr::AddMessage(const char* text) {
    m_services.messages.AddText(text);
}

void LoadSaveMgr::ClearMessages() {
    m_services.messages.Clear();
}
