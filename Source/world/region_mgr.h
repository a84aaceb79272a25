#pragma once
// The content of one area map beyond its tiles: its entities, entry points, sound
// emitters, water and weather. The region manager makes these five managers (held in their
// globals), resets them when a map is left, runs and draws the world each frame on the area
// map, and reads and writes a region in its two stored forms.
//
// Region definition (".reg" in the region directory, no header of its own): the entities'
// part, the weather block, the entry points' block, the sound emitters' block.
// Region state (a saved game's map working file): the entities' part, the map's explored
// cells (a TagList of width x height bits), the weather, the entry points, the sound
// emitters. The water comes with the tile map and is not stored.

#include <cstdint>

class EntityHighlighter;
class EntityPtrList;
class GameClock;
class GameMode;
class MapActions;
class MemStream;
class MouseMgr;
class PartyServices;
class PlacedEntityList;
class RegionEntityStore;
class ResFileMgr;
class Screen;
class SoundMgr;
class Stream;
class Stringc;
class TileMap;

class RegionMgr {
public:
    // What the world runs with. Objects that are made and deleted around the region
    // manager are reached through their slots, read at each use; a null one is skipped.
    struct Services {
        GameMode& game;
        ResFileMgr* archive; // of the ".reg" files and the water pictures; null: none
        TileMap* const& map;
        SoundMgr* const& sound;
        MouseMgr* const& mouse;
        MapActions* const& actions;
        EntityHighlighter* const& highlighter;
        GameClock* const& clock;
        RegionEntityStore& entities; // the entities' part of the stored forms
    };
    // Explosions, which run after the sound emitters, draw in the debug view and end with
    // the region whose entities they made.
    class Explosions {
    public:
        virtual ~Explosions() = default;
        virtual void Update() = 0;
        virtual void Draw(Screen& screen) = 0;
        virtual void Clear() = 0;
    };

    // Makes the managers in the order entities, entry points, sound emitters, water,
    // weather. The water is the tile map's.
    explicit RegionMgr(const Services& services);
    RegionMgr(const RegionMgr&) = delete;
    RegionMgr& operator=(const RegionMgr&) = delete;
    virtual ~RegionMgr(); // deletes them in the same order

    void SetExplosions(Explosions* explosions) { m_explosions = explosions; } // not owned
    // The player's party, which every entity manager made from now on is given; not owned.
    void SetParty(PartyServices* party);

    // A new, empty entity manager; no explosions, entry points or sound emitters; the
    // weather's defaults. The water stays.
    void Reset();

    // The area map's frame: scrolling and the highlight, then, unless paused, the clock,
    // the weather, the entities, the map actions, the sound emitters and the explosions.
    void Update();
    void Draw(Screen& screen);
    void DrawDebug(Screen& screen); // only while the game mode's debug view is on
    // The map editor's frame: scrolling, and the sound emitters heard at the view's centre
    // (flag set) or all stopped.
    void UpdateEditorView(bool sounds);

    // The region state; Load resets first. The first failure returns false, and what was
    // read before it stays.
    bool Save(Stream& stream);
    bool Load(Stream& stream);
    // Whether a region state reads whole, read into managers of its own, and fits a map of
    // that many cells (0: a map not known): nothing in play is touched.
    bool CheckState(Stream& stream, long cells) const;
    // The region definition; LoadDefinition resets first.
    bool SaveDefinition(Stream& stream, const EntityPtrList* placed);
    bool LoadDefinition(Stream& stream, PlacedEntityList* placed);
    // "<region directory>/<name>.reg" from the archive or the loose file, as the data paths
    // say.
    bool LoadRegFile(const char* name, PlacedEntityList* placed);
    // The same file's bytes, read whole and checked as a region definition read into
    // managers of its own: nothing in play is touched, and LoadDefinition takes them after.
    bool ReadRegFileAside(const char* name, MemStream& data) const;

    void UpdateScrolling(); // the view, by the pointer at the screen's edges

private:
    void DrawEntityZones(Screen& screen); // the triggers, chests and doors
    // What follows the entities in both stored forms: the weather, entry points and sounds.
    static bool SaveSurroundings(Stream& stream);
    static bool LoadSurroundings(Stream& stream);
    static bool CheckSurroundings(Stream& stream);
    bool ReadRegData(const char* name, MemStream& data, Stringc& path) const;

    Services m_services;
    Explosions* m_explosions = nullptr;
    PartyServices* m_party = nullptr;
};

// Made by the game's set-up.
extern RegionMgr* g_regionMgr;
