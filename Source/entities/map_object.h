#pragma once
// The part of a placed object that the level designer edits: its kind, name, position and
// zone, its script, and the rules of travel points, traps, locks and keys. A trigger owns a
// plain one (travel, info or trap); chests and doors own two-state ones.
//
// Record, little-endian, Stringc, Vector and Zone in their own forms:
//   u32 kind; Stringc name; Vector position; u32 value A; Zone; Stringc entry name;
//   u32 value B; u32 flags; Stringc target map, Stringc target entry point;
//   u8 trap armed, u8 trap found, u8 locked; u32 disarm, search and lock difficulty;
//   Stringc key item, script name, text; Stringc open, close, unlock, failed-pick and
//   locked sounds.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/geometry/zone.h"

#include <cstdint>
#include <memory>

class Entity;
class ScriptMachine;
class Screen;
class Stream;

enum MapObjectKind : uint32_t {
    kMapObjectTravel = 0,
    kMapObjectInfo = 1,
    kMapObjectTrap = 2,
    kMapObjectTwoState = 3,
    kMapObjectContainer = 4,
    kMapObjectDoor = 5,
};

class MapObject {
public:
    // Flags.
    static constexpr uint32_t kFlagStaysArmed = 0x01; // a trap, after it fires
    static constexpr uint32_t kFlagToWorldMap = 0x04;
    static constexpr uint32_t kFlagRules = 0x08; // lock, trap and key rules apply
    static constexpr uint32_t kFlagToStoryPage = 0x10;
    static constexpr uint32_t kFlagReleaseOwner = 0x20; // after travelling
    static constexpr uint32_t kFlagFromTempMap = 0x40;  // to the world map
    static constexpr uint32_t kFlagSymbol = 0x80;       // drawn; a travel point gets visited
    static constexpr uint32_t kFlagVisited = 0x100;

    static constexpr int kSkillLockPicking = 10;
    static constexpr int kSkillTraps = 12; // mode 0 disarms, mode 1 searches

    // What the designer sets, all of it stored.
    struct Settings {
        Stringc name; // the owner's reference name too: set it with SetName
        Vector position;
        uint32_t valueA = 0;
        Stringc entryName{"start"};
        uint32_t valueB = 0;
        uint32_t flags = kFlagRules;
        Stringc targetMap;
        Stringc targetEntry;
        uint8_t trapArmed = 0;
        uint8_t trapFound = 0;
        uint8_t locked = 0;
        uint32_t disarmDifficulty = 0;
        uint32_t searchDifficulty = 0;
        uint32_t lockDifficulty = 0;
        Stringc keyItem; // the template name of the item that opens or disarms it
        Stringc scriptName;
        Stringc text; // field 6 of scripts
        Stringc openSound;
        Stringc closeSound;
        Stringc blockedSound; // only scripts set it: neither stored nor played
        Stringc unlockSound;
        Stringc failedPickSound;
        Stringc lockedSound;
    };

    // The owner must outlive it; its script machine runs for the owner.
    MapObject(Entity& owner, uint32_t kind);
    MapObject(const MapObject&) = delete;
    MapObject& operator=(const MapObject&) = delete;
    virtual ~MapObject();

    // Everything but the kind back to the designer's defaults, the zones emptied, the
    // script reset.
    virtual void Reset();
    // The record; after it, the rules flag follows the kind (cleared for travel and info,
    // set for two-state kinds), the script loads and a two-state object takes its state.
    // False at the first failure, or for a kind this class does not hold; what was read
    // stays.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

    uint32_t GetKind() const { return m_kind; }
    bool SetKind(uint32_t kind); // false for a kind this class does not hold
    // "Travel", "Info", "Trap" (only armed and under the rules), "Container", "Door"; else "".
    Stringc GetKindName() const;
    const Settings& GetSettings() const { return m_settings; }
    Settings& EditSettings() { return m_settings; }
    void SetName(const Stringc& name);
    bool SetField(int id, const Stringc& text); // 6 sets the text; others are ignored
    // The compiled script of that name (extension dropped) from the script directory; an
    // empty name loads nothing.
    bool LoadScript(const Stringc& name);
    Entity& GetOwner() const { return m_owner; }
    ScriptMachine& GetScript() { return *m_script; }

    // The zone of the current state.
    void BuildZone(const MemMgr<Vector>& points);
    bool ZoneContains(const Vector& point) const;
    bool NearestZonePoint(const Vector& point, Vector& nearest) const; // false when empty
    void DrawZone(Screen& screen) const; // its outline, in the screen's drawing colour
    void DrawLabel(const Vector& at, Screen& screen) const;
    void DrawSymbol(Screen& screen) const;

    // A creature walked into it: travel points ask for their journey, armed traps fire.
    virtual void Activate(Entity& entity);
    // A key opens locks and disarms traps; an info object hands every item to its script.
    void OnItemUsed(Entity& user, const Stringc& itemName);
    // A soldier's skill on it: lock picking (10), trap disarming (12, mode 0) or searching
    // (12, mode 1), each against its difficulty, with its messages.
    void UseSkill(Entity& user, int skill, int mode);
    void Lock(); // silent when already locked

protected:
    bool RulesApply() const { return (m_settings.flags & kFlagRules) != 0; }
    void PlaySound(const Stringc& name) const; // at its position
    static void ShowMessage(const char* text);
    virtual bool AcceptsKind(uint32_t kind) const { return kind <= kMapObjectTrap; }
    virtual bool ReadRecord(Stream& stream);
    virtual bool WriteRecord(Stream& stream) const;
    virtual void ApplyState() {} // after a load
    virtual const Zone& CurrentZone() const { return m_zone; }
    virtual Zone& CurrentZone() { return m_zone; }

private:
    void FollowKindRules();
    void SearchTrap(Entity& user);
    void DisarmTrap(Entity& user);
    void PickLock(Entity& user);
    // The soldier's skill test against the difficulty; false for any other user.
    static bool SkillSucceeds(Entity& user, int skill, uint32_t difficulty);

    Entity& m_owner;
    uint32_t m_kind;
    Settings m_settings;
    Zone m_zone; // the closed state's of a two-state object
    std::unique_ptr<ScriptMachine> m_script;
};
