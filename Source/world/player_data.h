#pragma once
// The player data of a game in progress: "plrdata.tmp" among the working files and
// "plrdata.sav" in a slot. Little-endian, with no header, version or checksum:
//   Stringc   description
//   Stringc   map name ("" on a story page)
//   Stringc   working map name ("temporary_map" while in a temporary map)
//   Stringc   page name (the story page to return to; "" on a map)
//   3 x f32   the map view's origin in world units
//   u8        in a temporary map
//   u8        tutorial: 0 none, 1 the tutorial, 2 the tutorial with its panel put away
//   Stringc   script state
//   the party (PartyMgr), the script variables (GlobalMgr), the game-time and then the
//   real-time timer table (GlobalTimerTable: its entries, then u32 clock), the journal
//   (LogMgr), the game clock (GameClock)
//   u8        the story page's picture (1 to 5; 0 on a map); older records end before it

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

class GameClock;
class GlobalMgr;
class GlobalTimerTable;
class LogMgr;
class PartyMgr;
class Stream;

class PlayerData {
public:
    // Where the game stands: the record's leading fields.
    struct Place {
        Stringc description;
        Stringc mapName;
        Stringc workingMapName;
        Stringc pageName;
        Vector view;
        bool inTemporaryMap = false;
        bool tutorial = false;
        bool tutorialPanelPutAway = false;
        Stringc scriptState;
        int pagePicture = 0; // 0: none kept, the page draws one
    };
    // What the record stores beyond its place.
    struct Keepers {
        PartyMgr& party;
        GlobalMgr& globals;
        GlobalTimerTable& gameTimers;
        GlobalTimerTable& realTimers;
        LogMgr& journal;
        GameClock& clock;
    };

    static bool Write(Stream& stream, const Place& place, const Keepers& keepers);
    // The three names that lead the record: description, map name and working map name.
    static bool ReadNames(Stream& stream, Place& place);
    // The rest of the place, after the names.
    static bool ReadRestOfPlace(Stream& stream, Place& place);
    // The script variables, the timer tables, the journal and the clock, after the party.
    static bool ReadGame(Stream& stream, const Keepers& keepers);
    // The page's picture, last; a record without it, or with one unknown, keeps none.
    static void ReadPagePicture(Stream& stream, Place& place);
    // The whole record read into keepers of its own: whether a game can be loaded from it.
    // The place read is given back.
    static bool Check(Stream& stream, Place& place);
};
