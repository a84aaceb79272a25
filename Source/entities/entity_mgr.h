#pragma once
// The owner of every entity of the current region: one pool per pooled class, the region's
// script, two region grid tables and the entities waiting to be released. It creates and
// releases entities, addresses them by type code and slot, finds them by name, under the
// mouse or by a script's reference, runs the region's frame and keeps the combat
// countdown.

#include "Library/core/stringc.h"
#include "Library/files/two_dim_array.h"
#include "Source/entities/entity.h"
#include "Source/entities/gathered_entity_list.h"

#include <cstdint>
#include <memory>
#include <vector>

class CreatureParts;
class EntityPool;
class EntityPtrList;
class MapObject;
class PartyServices;
class PlacedEntityList;
class ScriptMachine;
class SoldierCells;
class SoldierNames;
class SoldierPlanner;
class TileMap;

class EntityMgr {
public:
    // The region's header, at the head of both stored forms.
    struct Header {
        Stringc regionScript;
        Stringc gridTableA;
        Stringc text; // only kept
        Stringc gridTableB;
    };
    // What of a header read could not be applied; the names stay as they were read.
    enum HeaderFailure : uint32_t {
        kRegionScriptFailed = 1,
        kGridTableAFailed = 2,
        kGridTableBFailed = 4,
    };
    static constexpr int kPoolCount = 10;
    static constexpr int kCombatTicks = 150;
    static constexpr uint32_t kCombatTickMs = 30; // a tick passes once more than this gathered

    // The map the entities stand on and the player's party; either may be null (no map,
    // no party) and neither is owned.
    explicit EntityMgr(TileMap* tileMap = nullptr, PartyServices* party = nullptr);
    virtual ~EntityMgr();
    EntityMgr(const EntityMgr&) = delete;
    EntityMgr& operator=(const EntityMgr&) = delete;

    // Header empty, region script reset, every slot free, the release list empty, no combat.
    void Clear();

    // The saved region, the game's form: the header (Stringc region script, grid table A,
    // text, grid table B), then for the type codes 0, 9, 10, 3, 5, 6, 7, 1, 11 in this order
    // a u32 count and that many records of the pool's class. Hidden entities are left out,
    // and among soldiers party members and those never saved with a region. Loading clears
    // the manager first and stops at the first failure, keeping what was made so far.
    bool Save(Stream& stream) const;
    bool Load(Stream& stream);
    // The region definition, the editor's form: the header; u32 count and for each placed
    // entity its Stringc template name and its placed object's 36 bytes (whose kind is its
    // type); then u32 count and the placement records of the triggers, the chests and the
    // doors in turn. The placed entities are the used entries of the list (null: none);
    // loading empties the given list (null: none kept) and fills it again.
    bool SaveRegionDefinition(Stream& stream, const EntityPtrList* placed);
    bool LoadRegionDefinition(Stream& stream, PlacedEntityList* placed);
    bool SaveHeader(Stream& stream) const;
    // Reads the header and applies it: the region script and the grid tables named load.
    // A name that cannot be loaded is kept as read and its failure recorded apart; it does
    // not fail the header.
    bool LoadHeader(Stream& stream);
    const Header& GetHeader() const { return m_header; }
    void SetHeader(const Header& header) { m_header = header; } // names only: nothing loads
    uint32_t GetHeaderFailures() const { return m_headerFailures; }

    TileMap* GetTileMap() const { return m_tileMap; }
    // Before any soldier is made: soldiers keep the map they were made on.
    void SetTileMap(TileMap* tileMap);
    SoldierPlanner* GetPlanner() const { return m_planner.get(); } // null without a map
    void SetParty(PartyServices* party) { m_party = party; }

    static int PoolIndexOfType(int type); // -1 for a code without a pool (2, 8, others)
    static int TypeOfPool(int index);     // index 0 to 9

    // Creation and release.
    Entity* CreateEntity(float x, float y, float z, int type); // Init run; null without a pool
    void ReleaseEntity(Entity* entity);                        // at once, off the tile map
    bool FreeEntity(EntityPool& pool, Entity* entity);         // false when not in the pool
    void ScheduleRelease(Entity* entity); // at the start of the next Update; once only
    void FreeSlot(int type, int index);   // a used slot's entity released, off the tile map

    // Addressing by type code and slot.
    int GetSlotCount(int type) const;
    bool IsSlotUsed(int type, int index) const; // false outside the pool and without one
    Entity* GetEntity(int type, int index) const;
    bool IsLive(const Entity* entity) const;       // in a used slot of its pool (no pool: live)
    bool IsInUsedSlot(const Entity* entity) const; // of any pool, by the pointer alone
    bool IsItemLive(const Entity* entity) const;
    bool IsSoldierLive(const Entity* entity) const;

    // Lookup.
    Entity* FindByName(int type, const Stringc& name) const; // template name, case ignored
    Entity* FindSoldierByName(const Stringc& name) const;
    // Every used slot of the type's pool selected; false for a code without a pool.
    bool GetPool(int type, EntityPtrList*& out);
    // The type's pool as it is, for a selection of its own (null without a pool).
    EntityPtrList* GetPoolToSelect(int type);
    bool GetPoolInArea(const Vector& point, float size, EntityPtrList*& out);
    // GetPoolInArea's selection, the selected soldiers also listed in slot order.
    bool SelectSoldiersInArea(const Vector& point, float size, std::vector<Entity*>& selected);
    // The soldier pool with the living soldiers but the two given (either may be null)
    // selected: what selecting the pool and deselecting those leaves, held back by the
    // soldiers until their flags are read.
    const EntityPtrList& SelectOtherLivingSoldiers(Entity* a, Entity* b);
    bool SelectInCone(int type, Entity* exclude, const Vector& origin, Entity* include,
                      const Vector& heading, float size, double angle, EntityPtrList*& out);
    bool SelectInRadius(int type, const Vector& centre, float radius, EntityPtrList*& out);
    static bool IsZoneType(int type); // doors, chests and triggers: they own map objects
    Entity* FindMapObjectAt(int type, uint32_t kind, const Vector& point);
    // The type's pool, but exclude, with the entries within the segment's length of from
    // that the segment touches (widened by nothing), and include selected again; length is
    // the segment's. False for a zero-length segment or a code without a pool.
    bool FindOnLine(int type, Entity* exclude, const Vector& from, const Vector& to,
                    Entity* include, float& length, EntityPtrList*& out);
    // A script's reference resolved by its kind (see the resolver); true when it names a
    // live entity, whose own reference it then holds.
    bool ResolveRef(int kind, Entity* self, EntityRef& ref);

    // Picking at screen points.
    Entity* FindEntityAt(int x, int y); // by this frame's mouse-over flags
    Entity* FindEntityOfTypeAt(int type, int x, int y);
    Entity* FindTriggerAt(uint32_t kind, int x, int y);

    // The frame.
    void Update(uint32_t frameMs);
    void UpdateCreatures(uint32_t frameMs);
    void UpdateRestHealing(int period);
    void UpdateScripts(uint32_t frameMs);
    void UpdatePool(int type, uint32_t frameMs);
    bool UpdatePoolAll(int type, uint32_t frameMs); // UpdatePool; true
    void UpdateCombatFlag() { m_inCombat = m_combatCountdown > 0; }
    void StartCombatCountdown() { m_combatCountdown = kCombatTicks; }
    void StopCombatCountdown() { m_combatCountdown = 0; }
    int GetCombatCountdown() const { return m_combatCountdown; }
    bool IsInCombat() const { return m_inCombat; }
    int UpdateInView(int x1, int y1, int x2, int y2);     // the entities the rectangle overlaps
    const int* GetViewRect() const { return m_viewRect; } // the last one given: x1 y1 x2 y2
    // The event, with no user, to every party member; to every soldier.
    void SendEventToAll(int kind, EventArg p1, EventArg p2);
    void SendEventToSoldiers(int kind, EventArg p1, EventArg p2);

    // Scripts and events.
    // The name's extension is cut once: a name with a dot of its own comes with its ".scr".
    bool SetRegionScript(const Stringc& name);
    const Stringc& GetRegionScriptName() const { return m_header.regionScript; }
    ScriptMachine& GetRegionScript() { return *m_regionScript; }
    void PostEvent1ToScripts();
    void PostTransitionEventA();
    void PostTransitionEventB();
    void PostKeyEvent(int key);
    void PostWorldMapEvent();
    void RunSoldierSlotScriptsEvent(const Entity& entity);
    void ClearSoldierSlotActions();

    // The tile map and drawing.
    void RegisterWithTileMap();
    void AddAllToTileMapPool(int type);
    void DrawType(int type, Screen& screen);
    void DrawTriggers(uint32_t kind, Screen& screen);
    // A ring (radius by half the radius) around every entity of the ring list whose radius
    // is above 0 and below 240, in the screen's drawing colour.
    void DrawRings(Screen& screen);
    GatheredEntityList& GetRingList() { return m_ringList; } // emptied with the manager
    bool GetTableValueA(const Vector& point, int& out) const;
    bool GetTableValueB(const Vector& point, Stringc& out) const;
    TwoDimArray& GetGridTableA() { return m_gridTableA; }
    TwoDimArray& GetGridTableB() { return m_gridTableB; }
    Entity* GetActivePartyMember() const;
    PartyServices* GetParty() const { return m_party; }

    // The soldiers by cells and by name. Soldiers report their moves and changes of
    // radius, their names and their flags.
    SoldierCells& GetSoldierCells() { return *m_soldierCells; }
    SoldierNames& GetSoldierNames() { return *m_soldierNames; }
    void SoldierMoved(const Entity& soldier);
    void SoldierRenamed();
    void SoldierFlagsChanged();
    const uint64_t* GetHeldSoldierRound() const; // null before the cells are made
    uint32_t SoldierHeldFlags(const Entity& soldier, uint32_t flags);

    int GetPickX() const { return m_pickX; }
    int GetPickY() const { return m_pickY; }

protected:
    // The pool of each pooled type code, made by makePool (the classes' own pools by default).
    using PoolMaker = std::unique_ptr<EntityPool> (*)(int type, EntityMgr* manager);
    EntityMgr(TileMap* tileMap, PartyServices* party, PoolMaker makePool);

private:
    static std::unique_ptr<EntityPool> MakeClassPool(int type, EntityMgr* manager);
    EntityPool* PoolOfType(int type) const; // null without a pool
    void TakeAllOffTileMap();
    void ReleaseScheduled();
    void TickCombatCountdown(uint32_t frameMs);
    // The map objects of the used entities of a zone type, in slot order.
    template <class Visit> void ForEachMapObjectOf(int type, Visit visit) const;
    // Those of the triggers, chests and doors, in that order.
    template <class Visit> void ForEachMapObject(Visit visit) const;
    template <class Visit> void ForEachLiveSoldier(Visit visit);
    // The front-most of the moused-over entries of the pools: the larger world y, and of
    // equal ones the later; best stays when none is in front of it.
    static void PickFrontMost(const EntityPool& pool, Entity*& best);
    bool ResolveByKind(int kind, Entity* self, EntityRef& ref, Entity*& found);
    bool ResolveTarget(int kind, EntityRef& ref);

    bool SavePool(int type, Stream& stream) const;
    bool LoadPool(int type, Stream& stream);
    bool SavePlacements(int type, Stream& stream);
    bool LoadPlacements(int type, Stream& stream);
    bool IsSavedWithRegion(const Entity& entity) const;

    Header m_header;
    uint32_t m_headerFailures = 0;
    std::unique_ptr<ScriptMachine> m_regionScript;
    TwoDimArray m_gridTableA;
    TwoDimArray m_gridTableB;
    std::unique_ptr<SoldierPlanner> m_planner; // outlives the soldiers, whose vehicles ask it
    std::unique_ptr<EntityPool> m_pools[kPoolCount];
    std::unique_ptr<SoldierCells> m_soldierCells; // of the soldier pool
    std::unique_ptr<SoldierNames> m_soldierNames;
    std::vector<Entity*> m_inArea; // GetPoolInArea's, kept for its capacity
    std::vector<Entity*> m_releaseList;
    GatheredEntityList m_ringList;
    // A blank entity of the manager's own, in no pool; nothing reads it.
    std::unique_ptr<Entity> m_defaultEntity = std::make_unique<Entity>();
    int m_viewRect[4] = {};
    TileMap* m_tileMap;
    PartyServices* m_party;
    int m_pickX = 0;
    int m_pickY = 0;
    bool m_inCombat = false;
    int m_combatCountdown = 0;
};

// Milliseconds gathered toward the next combat tick, shared by every manager.
extern uint32_t g_combatTickAccumulator;

// The current region's, made by the frame driver for the game.
extern EntityMgr* g_entityMgr;
