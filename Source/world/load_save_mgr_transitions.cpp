// The transitions, each a fixed order of shared steps; the first step that fails ends it.
#include "Source/world/load_save_mgr.h"

#include "Library/core/game_mode_id.h"
#include "Library/interface/info_panel.h"
#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/world/game_mode.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/game_clock.h"
#include "Source/world/log_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/story_pages.h"

namespace {

const Vector kDefaultEntry(34.0f, 32.0f, 0.0f);

} // namespace

// ---- shared steps ----

void LoadSaveMgr::Rebuild() {
    if (m_services.rebuildSession)
        m_services.rebuildSession();
}

void LoadSaveMgr::TakeTemporaryTarget() {
    m_mapName = m_targetMapName;
    m_workingMapName = m_targetWorkingName;
}

void LoadSaveMgr::TakeTarget() {
    TakeTemporaryTarget();
    m_regionScript = m_mapName + "_map.scr"; // a dotted map's name keeps its dot through the cut
}

void LoadSaveMgr::PostArrivalEvents() {
    m_services.entities->PostTransitionEventB();
    m_services.entities->PostTransitionEventA();
}

void LoadSaveMgr::PostStartEvents() {
    m_services.entities->PostEvent1ToScripts();
}

void LoadSaveMgr::SetMode(int mode) {
    m_services.game.InvalidateMode();
    m_services.game.SetMode(mode);
}

// ---- the handlers ----

bool LoadSaveMgr::InitGame(bool tutorial) {
    ClearMessages();
    AddMessage("New Game.");
    m_slot = 0;
    ClearWorkingFiles();
    if (!m_services.party.SavePlayer())
        return false;
    Rebuild();
    m_services.globals.Reset();
    m_services.gameTimers.Reset();
    m_services.realTimers.Reset();
    m_services.journal.Clear();
    m_services.clock.ResetForNewGame();
    if (!m_services.party.LoadPlayer())
        return false;
    m_inTemporaryMap = false;
    if (!RunScriptOnce(m_startScript) || !IsBoundForPageOrMap())
        return false;
    if (tutorial)
        SetTutorialActive(true);
    return true;
}

// What a start script must ask for: the session it starts in holds no map, so the mode it
// was asked from, an area map's too, has nothing left to show.
bool LoadSaveMgr::IsBoundForPageOrMap() const {
    const bool travelling = m_pending >= kPageToMap && m_pending <= kTempMapToWorld;
    return travelling || m_services.game.GetPendingModeId() == kModeStoryPage;
}

// The slot is checked whole before the game in progress is touched.
LoadSaveMgr::Outcome LoadSaveMgr::LoadGame() {
    Stringc refusal;
    if (!IsValidSlot(m_slot))
        refusal.Format("There is no save slot %d.", m_slot);
    else if (!SlotExists(m_slot))
        refusal.Format("Save slot %d is empty.", m_slot);
    else if (!IsReadableSlot(m_slot))
        refusal.Format("The game saved in slot %d cannot be read.", m_slot);
    if (refusal.Length() > 0) {
        AddMessage(refusal.c_str());
        m_loadRefusal = refusal;
        return kRefused;
    }
    ClearMessages();
    AddMessage("Game Loaded.");
    ClearWorkingFiles();
    Rebuild();
    if (!CopySlotToWorking() || !HasPlayerData() || !EnterMap() || !ReadPlayerData())
        return kFailed;
    if (m_onMap) {
        SetMode(kModeAreaMap);
        return kDone;
    }
    StoryPages* pages = m_services.pages;
    if (pages == nullptr || !pages->GoToPage(m_pageName))
        return kFailed;
    pages->KeepPicture(m_pagePicture);
    SetMode(kModeStoryPage);
    return kDone;
}

// A save that cannot be completed leaves the slot as it was and the game running.
LoadSaveMgr::Outcome LoadSaveMgr::SaveGame() {
    if (!IsValidSlot(m_slot)) {
        Stringc refusal;
        refusal.Format("There is no save slot %d.", m_slot);
        AddMessage(refusal.c_str());
        return kRefused;
    }
    if (!WritePlayerData() || !SaveMapState() || !CopyWorkingToSlot()) {
        AddMessage("The game could not be saved.");
        return kRefused;
    }
    AddMessage("Game Saved.");
    SetMode(m_services.game.IsOnMap() ? kModeAreaMap : kModeStoryPage);
    return kDone;
}

// Leaving for a map or the world map: the player data and the map left written, the target
// entered and the party read back into it.
bool LoadSaveMgr::Travel(Leaving leaving, int mode) {
    m_inTemporaryMap = leaving == kFromTemporaryMap;
    if (!WritePlayerData() || (leaving != kFromPage && !SaveMapState()))
        return false;
    Rebuild();
    TakeTarget();
    m_inTemporaryMap = false;
    if (!EnterMap())
        return false;
    if (mode == kModeAreaMap)
        m_services.entries->SetDefault(kDefaultEntry, 0);
    if (!ReadPlayerData())
        return false;
    PostArrivalEvents();
    SetMode(mode);
    return true;
}

// A temporary map's own script, when it loads, is told of the arrival.
bool LoadSaveMgr::EnterTemporaryMap(Leaving leaving, bool startEvents) {
    ClearMessages();
    m_inTemporaryMap = false;
    if (!WritePlayerData() || (leaving != kFromPage && !SaveMapState()))
        return false;
    Rebuild();
    TakeTemporaryTarget();
    if (!EnterMap() || !ReadPlayerData())
        return false;
    m_inTemporaryMap = true;
    if (m_services.entities->SetRegionScript(m_regionScript)) {
        if (startEvents)
            PostStartEvents();
        PostArrivalEvents();
    }
    SetMode(kModeAreaMap);
    return true;
}

bool LoadSaveMgr::MapToPage() {
    m_inTemporaryMap = false;
    if (!WritePlayerData() || !SaveMapState())
        return false;
    Rebuild();
    StoryPages* pages = m_services.pages;
    if (!ReadPlayerData() || pages == nullptr || !pages->GoToPage(m_pageName))
        return false;
    SetMode(kModeStoryPage);
    return true;
}
