// The working files and the slots: the player data, the maps' states, entering a map and
// the copies between the working files and a slot.
#include "Source/world/load_save_mgr.h"

#include "Library/files/file_stream.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"
#include "Source/world/story_pages.h"

#include <cstdio>

namespace {

Stringc WithoutSlash(const Stringc& directory) {
    return Stringc(directory, directory.Length() - 1);
}

} // namespace

// ---- the working files ----

bool LoadSaveMgr::WritePlayerData() {
    if (m_inTemporaryMap)
        m_workingMapName = kTemporaryMap;
    PlayerData::Place place;
    place.description = m_description;
    place.mapName = m_mapName;
    place.workingMapName = m_workingMapName;
    place.pageName = m_pageName;
    place.view = m_services.map.GetViewPos();
    place.inTemporaryMap = m_inTemporaryMap;
    place.tutorial = m_tutorial;
    place.tutorialPanelPutAway = !m_services.tutorialPanel.IsVisible();
    place.scriptState = m_services.game.GetScriptTag();
    StoryPages* pages = m_services.pages;
    place.pagePicture = m_mapName.Length() == 0 && pages ? pages->GetPicture() : 0;
    const PlayerData::Keepers keepers = Keepers();
    return FileStream::WriteReplacing(PlayerDataPath().c_str(), [&](Stream& stream) {
        return PlayerData::Write(stream, place, keepers);
    });
}

bool LoadSaveMgr::HasPlayerData() {
    FileStream file(PlayerDataPath().c_str(), kStreamReadBinary);
    PlayerData::Place place;
    if (!file.IsOpen() || !PlayerData::ReadNames(file, place))
        return false;
    m_description = place.description;
    m_mapName = place.mapName;
    m_workingMapName = place.workingMapName;
    return true;
}

// The party is made anew in the entity manager just entered and, by the transition, put
// back where it stood, at the entry point or, on the world map, the leader alone.
bool LoadSaveMgr::ReadPlayerData() {
    FileStream file(PlayerDataPath().c_str(), kStreamReadBinary);
    PlayerData::Place place;
    PartyMgr& party = m_services.party;
    if (!file.IsOpen() || !PlayerData::ReadNames(file, place) ||
        !PlayerData::ReadRestOfPlace(file, place)) {
        std::fprintf(stderr, "%s: the player data cannot be read\n", PlayerDataPath().c_str());
        return false;
    }
    m_pageName = place.pageName;
    if (m_current == kLoadGame) // a journey knows where it ends; the record, where it began
        m_inTemporaryMap = place.inTemporaryMap;
    SetTutorialActive(place.tutorial);
    // A load shows the panel as it was saved; after a journey the region's script, told of
    // the arrival, puts it away again.
    if (m_current == kLoadGame && place.tutorialPanelPutAway)
        m_services.tutorialPanel.SetVisible(false);
    m_services.game.SetScriptTag(place.scriptState);
    if (!party.Load(file))
        return false;
    switch (m_current) {
    case kLoadGame:
        if (!PlayerData::ReadGame(file, Keepers()))
            return false;
        PlayerData::ReadPagePicture(file, place);
        m_pagePicture = place.pagePicture;
        party.RebuildSlots();
        if (!m_onMap)
            return true;
        if (!party.PlaceOnMap())
            return false;
        m_services.map.SetViewOrigin(place.view);
        break;
    case kPageToMap:
    case kPageToTempMap:
    case kMapToMap:
    case kWorldToMap:
    case kWorldToTempMap:
        party.PlaceAtEntryPointNamed(m_entryPoint);
        party.RebuildSlots();
        break;
    case kPageToWorld:
    case kMapToWorld:
    case kTempMapToWorld:
        if (m_firstVisit)
            PostStartEvents();
        return party.PlaceLeaderAtEntryPoint(m_entryPoint);
    case kMapToPage:
        party.RebuildSlots();
        return true;
    case kWorldToTempMap2:
        // Where they stood on the world map, until the map's own script places them.
        return party.PlaceOnMap();
    default:
        return true;
    }
    if (m_firstVisit)
        PostStartEvents();
    return true;
}

bool LoadSaveMgr::SaveMapState() {
    if (m_workingMapName.Length() == 0)
        return true;
    if (m_inTemporaryMap)
        m_workingMapName = kTemporaryMap;
    RegionMgr& region = m_services.region;
    return FileStream::WriteReplacing(MapStatePath().c_str(),
                                      [&region](Stream& stream) { return region.Save(stream); });
}

// A map left before comes back from its working file as it was left; a map entered for
// the first time is built from its region file.
bool LoadSaveMgr::EnterMap() {
    if (m_mapName.Length() == 0) {
        m_onMap = false;
        return true;
    }
    m_onMap = true;
    if (!m_services.map.Load(m_mapName.c_str()))
        return false;
    FileStream file(MapStatePath().c_str(), kStreamReadBinary);
    if (file.IsOpen()) {
        m_firstVisit = false;
        if (!m_services.region.Load(file)) {
            std::fprintf(stderr, "%s: the map's state cannot be read\n", MapStatePath().c_str());
            return false;
        }
        m_services.entities->RegisterWithTileMap();
        return true;
    }
    m_firstVisit = true;
    m_services.map.ClearFog();
    if (!m_services.region.LoadRegFile((m_mapName + ".reg").c_str(), nullptr)) // as the map's
        return false;
    m_services.entities->RegisterWithTileMap();
    return m_services.entities->SetRegionScript(m_regionScript);
}

// With the temporaries ("*.tmp.new") a write of one cut short left behind.
void LoadSaveMgr::ClearWorkingFiles() {
    for (const Stringc& path : m_files->List(m_saveRoot, "tmp"))
        m_files->Remove(path);
    for (const Stringc& path : m_files->List(m_saveRoot, "new")) {
        Stringc written = path;
        written.StripExtension();
        if (written.Extension() == "tmp")
            m_files->Remove(path);
    }
}

// ---- the slots ----

Stringc LoadSaveMgr::GetSlotDirectory(int slot) const {
    if (!IsValidSlot(slot))
        return "";
    Stringc directory;
    directory.Format("%sslot%02d/", m_saveRoot.c_str(), slot);
    return directory;
}

// A save interrupted between its two renames left the slot's old files in the backup.
void LoadSaveMgr::RecoverSlot(int slot) {
    const Stringc directory = WithoutSlash(GetSlotDirectory(slot));
    const Stringc backup = directory + ".old";
    if (m_files->Exists(directory + "/plrdata.sav") || !m_files->Exists(backup + "/plrdata.sav"))
        return;
    m_files->RemoveDirectory(directory);
    m_files->Rename(backup, directory);
}

bool LoadSaveMgr::SlotExists(int slot) {
    if (!IsValidSlot(slot))
        return false;
    RecoverSlot(slot);
    return m_files->Exists(GetSlotDirectory(slot) + "plrdata.sav");
}

Stringc LoadSaveMgr::GetSlotDescription(int slot) {
    if (!IsValidSlot(slot))
        return "";
    m_files->MakeDirectory(GetSlotDirectory(slot));
    RecoverSlot(slot);
    FileStream file((GetSlotDirectory(slot) + "plrdata.sav").c_str(), kStreamReadBinary);
    PlayerData::Place place;
    if (!file.IsOpen() || !PlayerData::ReadNames(file, place))
        return "";
    return place.description;
}

// The map the slot is on and each map's saved state are read aside too, the state against
// its own map: a slot that would fail once a map is entered is refused now, while the game
// in play is still whole. A slot on a map holds that map's state: without it the map would
// be entered afresh, its state lost.
bool LoadSaveMgr::IsReadableSlot(int slot) {
    const Stringc directory = GetSlotDirectory(slot);
    FileStream file((directory + "plrdata.sav").c_str(), kStreamReadBinary);
    PlayerData::Place place;
    if (!file.IsOpen() || !PlayerData::Check(file, place))
        return false;
    long cells = 0;
    if (place.mapName.Length() > 0 && (!m_services.map.CheckFile(place.mapName.c_str(), cells) ||
                                       !m_files->Exists(directory + place.workingMapName + ".sav")))
        return false;
    for (const Stringc& path : m_files->List(directory, "sav")) {
        const Stringc name = Stringc(path).FileName();
        if (name != "plrdata" && !IsReadableMapState(path, MapOfState(name, place)))
            return false;
    }
    return true;
}

// A state is its own map's, but the working one on a map is that map's (the temporary map's
// is); a temporary map's state left behind is read again only as the working one, so its map
// is not known.
Stringc LoadSaveMgr::MapOfState(const Stringc& state, const PlayerData::Place& place) {
    if (state == place.workingMapName && place.mapName.Length() > 0)
        return place.mapName;
    return state == kTemporaryMap ? Stringc() : state;
}

bool LoadSaveMgr::IsReadableMapState(const Stringc& path, const Stringc& map) {
    long cells = 0;
    if (map.Length() > 0 && !m_services.map.CheckFile(map.c_str(), cells))
        return false;
    FileStream state(path.c_str(), kStreamReadBinary);
    return state.IsOpen() && m_services.region.CheckState(state, cells);
}

bool LoadSaveMgr::CopySlotToWorking() {
    for (const Stringc& path : m_files->List(GetSlotDirectory(m_slot), "sav"))
        if (!m_files->Copy(path, m_saveRoot + Stringc(path).FileName() + ".tmp"))
            return false;
    return true;
}

// The new save is made whole beside the slot before the slot is swapped for it.
bool LoadSaveMgr::CopyWorkingToSlot() {
    const Stringc directory = WithoutSlash(GetSlotDirectory(m_slot));
    const Stringc staging = directory + ".new";
    const Stringc backup = directory + ".old";
    RecoverSlot(m_slot);
    m_files->RemoveDirectory(staging);
    m_files->RemoveDirectory(backup);
    bool copied = m_files->MakeDirectory(staging);
    for (const Stringc& path : m_files->List(m_saveRoot, "tmp"))
        copied = copied && m_files->Copy(path, staging + "/" + Stringc(path).FileName() + ".sav");
    const bool hadSlot = m_files->Exists(directory);
    if (copied && hadSlot && !m_files->Rename(directory, backup))
        copied = false;
    if (copied && !m_files->Rename(staging, directory)) {
        if (hadSlot)
            m_files->Rename(backup, directory);
        copied = false;
    }
    m_files->RemoveDirectory(copied ? backup : staging);
    return copied;
}
