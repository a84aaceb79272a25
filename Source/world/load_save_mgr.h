#pragma once
// Every change of place and every start, load and save of a game. Screens, scripts and
// travel points only ask for a transition; the manager runs the one asked for last at the
// start of the next frame: it writes the player data and the map left to the working
// files, makes the per-map objects anew, enters the target map from its working file or
// its region file, reads the party back and sets the next game mode. A transition that
// fails shows a box that ends the program when closed. Loading and saving that cannot be
// done say so and leave the game as it was. The manager also keeps the tutorial flag.
//
// Working files, in the save directory: "plrdata.tmp" (PlayerData) and one "<map>.tmp" per
// map left (the region's saved state). A slot "slotNN/" (01 to 10) holds the same files
// as "plrdata.sav" and "<map>.sav"; a save is written into "slotNN.new/" and put in place
// by renames, so the slot it replaces stays whole until the new one is complete.

#include "Library/core/stringc.h"
#include "Source/entities/journey_requests.h"
#include "Source/world/player_data.h"
#include "Source/world/save_files.h"

#include <cstdint>
#include <functional>
#include <memory>

class EntityMgr;
class EntryPtMgr;
class FramedInfoPanel;
class GameClock;
class GameMode;
class GlobalMgr;
class GlobalTimerTable;
class InfoPanel;
class LogMgr;
class MessageBox;
class PartyMgr;
class RegionMgr;
class Screen;
class StoryPages;
class TileMap;

class LoadSaveMgr : public JourneyRequests {
public:
    enum TransitionKind : int32_t {
        kInitGame = 0,
        kInitTutorial = 1,
        kLoadGame = 2,
        kSaveGame = 3,
        kPageToMap = 4,
        kPageToTempMap = 5,
        kPageToWorld = 6,
        kMapToPage = 7,
        kMapToMap = 8,
        kMapToWorld = 9,
        kWorldToMap = 10,
        kWorldToTempMap = 11,
        kWorldToTempMap2 = 12,
        kTempMapToWorld = 13,
        kNone = 14,
        kErrorBox = 15,
    };
    static constexpr int kSlotCount = 10; // slots 1 to 10
    static constexpr const char* kTemporaryMap = "temporary_map";
    // The fatal error box.
    static constexpr const char* kErrorBoxImage = "msg_box_3.tga";
    static constexpr int kErrorBoxWidth = 300;
    static constexpr int kErrorBoxHeight = 235;
    static constexpr const char* kErrorButtonImage = "button_ok2.tga";
    static constexpr int kErrorButtonX = 71;
    static constexpr int kErrorButtonY = 113;

    // What the transitions work with. Objects made and deleted around the manager are
    // reached through their slots, read at each use.
    struct Services {
        GameMode& game;
        PartyMgr& party;
        RegionMgr& region;
        TileMap& map;
        EntityMgr* const& entities; // the current region's
        EntryPtMgr* const& entries;
        GlobalMgr& globals;
        GlobalTimerTable& gameTimers;
        GlobalTimerTable& realTimers;
        LogMgr& journal;
        GameClock& clock;
        InfoPanel& messages; // the play screen's message lines
        FramedInfoPanel& tutorialPanel;
        StoryPages* const& pages;             // null: no story page
        std::function<void()> rebuildSession; // the per-map objects made anew
        std::function<void()> quit;           // the program ends after this frame
    };

    // The save directory is made and every working file left from an earlier run deleted.
    explicit LoadSaveMgr(const Services& services);
    LoadSaveMgr(const LoadSaveMgr&) = delete;
    LoadSaveMgr& operator=(const LoadSaveMgr&) = delete;
    ~LoadSaveMgr() override; // the working files go

    // Requests; a later one before the next frame replaces an earlier one.
    void RequestInitGame(const Stringc& startScript);
    void RequestInitTutorial(const Stringc& startScript);
    void RequestLoadGame(int slot);
    void RequestSaveGame(int slot, const Stringc& description);
    void RequestPageToMap(const Stringc& region, const Stringc& entry);
    void RequestPageToTempMap(const Stringc& region, const Stringc& script, const Stringc& entry);
    void RequestPageToWorld(const Stringc& region, const Stringc& entry);
    void RequestMapToPage(const Stringc& page) override;
    void RequestMapToMap(const Stringc& region, const Stringc& entry) override;
    void RequestMapToWorld(const Stringc& region, const Stringc& entry) override;
    void RequestWorldToMap(const Stringc& region, const Stringc& entry); // asks for nothing
    void RequestWorldToTempMap(const Stringc& region, const Stringc& script, const Stringc& entry);
    void RequestWorldToTempMap2(const Stringc& region, const Stringc& script);
    void RequestTempMapToWorld(const Stringc& region, const Stringc& entry) override;

    // Once a frame, before the game mode applies its change: runs the pending transition,
    // or the error box. False when a transition failed or the box shows.
    bool Update();
    void DrawErrorBox(Screen& screen); // the screen black under the box
    bool IsShowingErrorBox() const { return m_current == kErrorBox; }
    const MessageBox* GetErrorBox() const { return m_errorBox.get(); }
    int GetPending() const { return m_pending; }
    // Why the load asked for last was refused, once, for the screen it was asked from; ""
    // when it was not.
    Stringc TakeLoadRefusal();

    void SetTutorialActive(bool active); // shows or hides the tutorial panel
    bool IsTutorialActive() const { return m_tutorial; }

    // The slots.
    static bool IsValidSlot(int slot) { return slot >= 1 && slot <= kSlotCount; }
    Stringc GetSlotDirectory(int slot) const; // "" for a slot out of range
    bool SlotExists(int slot);                // its player data opens
    Stringc GetSlotDescription(int slot);     // "" when there is none; the slot is made
    void SetFiles(SaveFiles* files);          // null: the disk's
    const Stringc& GetSaveRoot() const { return m_saveRoot; }

    // The working files.
    bool WritePlayerData();
    bool ReadPlayerData();
    bool HasPlayerData(); // the leading names of the working player data
    bool SaveMapState();
    bool EnterMap();
    void ClearWorkingFiles();
    bool IsFirstVisit() const { return m_firstVisit; }
    bool IsInTemporaryMap() const { return m_inTemporaryMap; }
    const Stringc& GetMapName() const { return m_mapName; }
    const Stringc& GetWorkingMapName() const { return m_workingMapName; }
    const Stringc& GetDescription() const { return m_description; }

private:
    enum Outcome { kFailed, kDone, kRefused }; // refused: said so, nothing changed
    enum Leaving { kFromPage, kFromMap, kFromTemporaryMap };

    PlayerData::Keepers Keepers() const;
    Stringc PlayerDataPath() const { return m_saveRoot + "plrdata.tmp"; }
    Stringc MapStatePath() const { return m_saveRoot + m_workingMapName + ".tmp"; }
    bool Request(TransitionKind kind, const Stringc& region, const Stringc& entry);
    void SetDefaultEntryAtLeader();
    void StripNames();
    Outcome Run(TransitionKind kind);
    void ShowFatalError();
    void RunErrorBox();
    void AddMessage(const char* text);
    void ClearMessages();

    // The handlers, and the steps they share.
    bool InitGame(bool tutorial);
    bool IsBoundForPageOrMap() const; // a page or a journey asked for since the frame began
    Outcome LoadGame();
    Outcome SaveGame();
    bool Travel(Leaving leaving, int mode);
    bool EnterTemporaryMap(Leaving leaving, bool startEvents);
    bool MapToPage();
    void Rebuild();
    void TakeTarget();
    void TakeTemporaryTarget();
    void PostArrivalEvents();
    void PostStartEvents();
    void SetMode(int mode);

    // The slots and their files.
    bool IsReadableSlot(int slot);
    static Stringc MapOfState(const Stringc& state, const PlayerData::Place& place); // "": unknown
    bool IsReadableMapState(const Stringc& path, const Stringc& map);
    void RecoverSlot(int slot); // a slot left in its backup by an interrupted save
    bool CopySlotToWorking();
    bool CopyWorkingToSlot();

    Services m_services;
    SaveFiles m_disk;
    SaveFiles* m_files = &m_disk;
    TransitionKind m_current = kNone;
    TransitionKind m_pending = kNone;
    Stringc m_saveRoot; // the save directory, ending in "/"
    bool m_firstVisit = false;
    bool m_inTemporaryMap = false;
    int m_slot = 0;
    bool m_onMap = false;
    bool m_tutorial = false;
    std::unique_ptr<MessageBox> m_errorBox;
    Stringc m_description;
    Stringc m_mapName;
    Stringc m_workingMapName;
    Stringc m_targetMapName;
    Stringc m_targetWorkingName;
    Stringc m_entryPoint;
    Stringc m_startScript;
    Stringc m_pageName;
    int m_pagePicture = 0; // the loaded page's
    Stringc m_regionScript;
    Stringc m_loadRefusal;
};

// Made by the game's set-up.
extern LoadSaveMgr* g_loadSaveMgr;
