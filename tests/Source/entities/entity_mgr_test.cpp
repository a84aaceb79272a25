// The entity manager: pools, releases, the frame, scripts, picking and resolving.
#include "Source/entities/entity_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/world/tile_map_support.h"
#include "Source/entities/binary_entity.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/cycle_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_handle.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/town_entity.h"
#include "Source/entities/trigger_entity.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using testsupport::CallLog;
using testsupport::FakeCreature;
using testsupport::FakeParty;

CallLog* g_updates = nullptr; // where the recording entities write

// An entity of the class that logs "update <type>" for each frame it is given.
template <class Base> class Recording : public Base {
public:
    bool Update(uint32_t) override {
        g_updates->push_back("update " + std::to_string(this->GetType()));
        return true;
    }
};

// A manager whose pools hold recording entities of each class.
class RecordingMgr : public EntityMgr {
public:
    RecordingMgr(TileMap* tileMap, PartyServices* party) : EntityMgr(tileMap, party, MakePool) {}

private:
    template <class T> static std::unique_ptr<EntityPool> Pool(EntityMgr* manager) {
        return std::make_unique<TypedEntityPool<Recording<T>>>(manager);
    }
    static std::unique_ptr<EntityPool> MakePool(int type, EntityMgr* manager) {
        using Make = std::unique_ptr<EntityPool> (*)(EntityMgr*);
        static const std::map<int, Make> kPools = {
            {Entity::kTypeItem, Pool<ItemEntity>},
            {Entity::kTypeSoldier, Pool<SoldierEntity>},
            {Entity::kTypeProjectile, Pool<ProjectileEntity>},
            {Entity::kTypeCycle, Pool<CycleEntity>},
            {Entity::kTypeBinary, Pool<BinaryEntity>},
            {Entity::kTypeDoor, Pool<DoorEntity>},
            {Entity::kTypeContainerMap, Pool<ContainerMapEntity>},
            {Entity::kTypeTrigger, Pool<TriggerEntity>},
            {Entity::kTypeTown, Pool<TownEntity>}};
        const auto found = kPools.find(type);
        return found == kPools.end() ? Pool<Entity>(manager) : found->second(manager);
    }
};

const int kPooledTypes[] = {0, 1, 3, 4, 5, 6, 7, 9, 10, 11};

// Walkable ground everywhere.
constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};

class EntityMgrTest : public testsupport::MapDataRoot, protected testsupport::RecordingFakes {
protected:
    EntityMgrTest() { g_updates = &m_log; }
    ~EntityMgrTest() override { g_updates = nullptr; }
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(16, 16, kGround))); }

    SoldierEntity* Soldier(float x, float y) {
        return static_cast<SoldierEntity*>(m_manager.CreateEntity(x, y, 0, 3));
    }
    template <class T> T* Create(int type, float x = 0, float y = 0) {
        return static_cast<T*>(m_manager.CreateEntity(x, y, 0, type));
    }

    FakeParty m_party{&m_log};
    RecordingMgr m_manager{&m_map, &m_party};
};

TEST_F(EntityMgrTest, SlotsAreReusedLowestFirstAndHandedOutBlank) {
    Entity* a = m_manager.CreateEntity(1, 2, 3, Entity::kTypeItem);
    Entity* b = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    Entity* c = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    EXPECT_EQ(a->GetPosition(), Vector(1, 2, 3));
    b->SetTemplateName("dagger");
    b->SetDisplayName("Dagger");
    b->SetRadius(2.0f, 7);
    b->GetRef().Set(200, 3, 1, 2, 3, 4, 5);
    b->AddFlags(Entity::kFlagHidden | Entity::kFlagPartyMember);
    m_manager.ReleaseEntity(b);
    m_manager.ReleaseEntity(a);
    EXPECT_FALSE(m_manager.IsSlotUsed(Entity::kTypeItem, 1));
    EXPECT_EQ(m_manager.CreateEntity(5, 5, 0, Entity::kTypeItem), a); // slot 0 first
    Entity* reused = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    ASSERT_EQ(reused, b);
    EXPECT_EQ(reused->GetFlags(), Entity::kFlagShown);
    EXPECT_STREQ(reused->GetTemplateName().c_str(), "");
    EXPECT_STREQ(reused->GetDisplayName().c_str(), "");
    EXPECT_EQ(reused->GetRadius(), 0.0f);
    EXPECT_TRUE(reused->GetRef().IsEmpty());
    EXPECT_EQ(reused->GetRef().GetEntity(), reused); // the reference stays on itself
    EXPECT_EQ(reused->GetScreenRect().x, ScreenPos::kUnplaced);
    EXPECT_EQ(m_manager.GetSlotCount(Entity::kTypeItem), 3);
    EXPECT_EQ(m_manager.GetEntity(Entity::kTypeItem, 2), c);
    EXPECT_EQ(m_manager.GetEntity(Entity::kTypeItem, 3), nullptr);
}

TEST_F(EntityMgrTest, TypeCodesWithoutAPoolHoldNothing) {
    for (int type : {int{Entity::kTypeQueued}, int{Entity::kTypeContainer}, -1, 12}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(m_manager.CreateEntity(0, 0, 0, type), nullptr);
        EXPECT_EQ(m_manager.GetSlotCount(type), 0);
        EXPECT_FALSE(m_manager.IsSlotUsed(type, 0));
        EXPECT_EQ(m_manager.GetEntity(type, 0), nullptr);
        EntityPtrList* list = nullptr;
        EXPECT_FALSE(m_manager.GetPool(type, list));
    }
    for (int type : kPooledTypes)
        EXPECT_EQ(m_manager.CreateEntity(0, 0, 0, type)->GetType(), type);
}

TEST_F(EntityMgrTest, TheFrameRunsReleasesCreaturesScriptsThenThePoolsInTheirOrder) {
    Soldier(0, 0);
    Entity* released = Soldier(0, 0);
    for (int type : kPooledTypes)
        m_manager.CreateEntity(0, 0, 0, type);
    m_manager.CreateEntity(0, 0, 0, Entity::kTypeCycle)->AddFlags(Entity::kFlagHidden);
    m_manager.ScheduleRelease(released);
    m_log.clear();

    m_manager.Update(16);
    EXPECT_EQ(m_log,
              (CallLog{"creature", "creature", "region update", "trigger update", "chest update",
                       "door update", "update 4", "update 6", "update 7", "update 9", "update 3",
                       "update 3", "update 5", "update 11", "vision"}));
    EXPECT_FALSE(m_manager.IsLive(released));
}

TEST_F(EntityMgrTest, EveryScheduledReleaseHappensOnceAtTheNextFrame) {
    Entity* item = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    Entity* door = m_manager.CreateEntity(0, 0, 0, Entity::kTypeDoor);
    Entity* projectile = m_manager.CreateEntity(0, 0, 0, Entity::kTypeProjectile);
    for (Entity* entity : {item, door, projectile, item})
        m_manager.ScheduleRelease(entity);
    m_manager.ScheduleRelease(nullptr);
    EXPECT_TRUE(m_manager.IsLive(item));
    m_manager.Update(10);
    for (Entity* entity : {item, door, projectile})
        EXPECT_FALSE(m_manager.IsLive(entity));
}

// The slot of an entity released at once may be handed out before the next frame: the
// scheduled release must not take the newcomer.
TEST_F(EntityMgrTest, AScheduledEntityReleasedAtOnceLeavesItsSlotsNextOccupantAlone) {
    Entity* shot = m_manager.CreateEntity(0, 0, 0, Entity::kTypeProjectile);
    m_manager.ScheduleRelease(shot);
    m_manager.ReleaseEntity(shot);
    Entity* next = m_manager.CreateEntity(0, 0, 0, Entity::kTypeProjectile);
    ASSERT_EQ(next, shot); // the same object, reused
    m_manager.Update(10);
    EXPECT_TRUE(m_manager.IsLive(next));
}

// The live check and the release, which know an entity's slot without a walk, against a
// walk of the used slots: through releases, reuse, pools grown well past their first slots,
// Clear, and entities of another manager's pools or of none.
TEST_F(EntityMgrTest, TheLiveCheckAgreesWithAWalkOfTheUsedSlots) {
    RecordingMgr other(&m_map, &m_party);
    std::vector<Entity*> seen{other.CreateEntity(0, 0, 0, Entity::kTypeProjectile),
                              other.CreateEntity(0, 0, 0, Entity::kTypeItem)};
    ItemEntity unpooled;
    seen.push_back(&unpooled);
    const auto walked = [this](const Entity* entity) {
        const int type = entity->GetType();
        for (int slot = 0; slot < m_manager.GetSlotCount(type); ++slot)
            if (m_manager.IsSlotUsed(type, slot) && m_manager.GetEntity(type, slot) == entity)
                return true;
        return false;
    };
    const auto expectAgreement = [&](const char* when) {
        SCOPED_TRACE(when);
        for (const Entity* entity : seen) {
            ASSERT_EQ(m_manager.IsLive(entity), walked(entity));
            ASSERT_EQ(m_manager.IsInUsedSlot(entity), walked(entity));
        }
    };
    const auto create = [&](int count) {
        for (int made = 0; made < count; ++made)
            for (int type : {int{Entity::kTypeProjectile}, int{Entity::kTypeItem}})
                seen.push_back(m_manager.CreateEntity(0, 0, 0, type));
    };

    create(130);
    expectAgreement("made");
    const EntityHandle released(seen[39]); // a projectile of this manager
    for (size_t index = 3; index < seen.size(); index += 3)
        m_manager.ReleaseEntity(seen[index]);
    m_manager.ReleaseEntity(&unpooled); // no slot of this manager holds it
    expectAgreement("every third released");
    EXPECT_EQ(released.Get(m_manager), nullptr);
    create(60); // the freed slots again, then new ones
    expectAgreement("reused");
    EXPECT_TRUE(m_manager.IsLive(seen[39]));
    EXPECT_EQ(released.Get(m_manager), nullptr); // the same object is another entity now
    m_manager.Clear();
    expectAgreement("cleared");
    create(10);
    expectAgreement("made after the clear");
}

// A chosen inventory or a script may name no entity at all: the checks by the pointer
// alone never look behind it.
TEST_F(EntityMgrTest, ThePointerOnlyChecksTakeAnyValue) {
    m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier);
    const auto* madeUp = reinterpret_cast<const Entity*>(uintptr_t{0x3039});
    EXPECT_FALSE(m_manager.IsInUsedSlot(madeUp));
    EXPECT_FALSE(m_manager.IsItemLive(madeUp));
    EXPECT_FALSE(m_manager.IsSoldierLive(madeUp));
}

TEST_F(EntityMgrTest, TheCombatCountdownTicksOncePerMoreThanThirtyMilliseconds) {
    g_combatTickAccumulator = 0;
    m_manager.StartCombatCountdown();
    m_manager.Update(30);
    EXPECT_EQ(m_manager.GetCombatCountdown(), EntityMgr::kCombatTicks);
    EXPECT_TRUE(m_manager.IsInCombat());
    m_manager.Update(30); // 60 gathered: one tick, the excess dropped
    EXPECT_EQ(m_manager.GetCombatCountdown(), EntityMgr::kCombatTicks - 1);
    EXPECT_EQ(g_combatTickAccumulator, 0u);
    m_manager.PostTransitionEventB();
    m_manager.Update(33);
    EXPECT_EQ(m_manager.GetCombatCountdown(), 0);
    EXPECT_FALSE(m_manager.IsInCombat());
}

TEST_F(EntityMgrTest, EventsReachTheRegionThenTheMapObjectsAndTheSoldiersSlots) {
    Create<DoorEntity>(Entity::kTypeDoor);
    Create<TriggerEntity>(Entity::kTypeTrigger);
    Entity* dead = Soldier(0, 0);
    dead->SetTemplateName("orc");
    m_log.clear();

    m_manager.PostEvent1ToScripts();
    m_manager.PostWorldMapEvent();
    m_manager.PostKeyEvent(65);
    m_manager.RunSoldierSlotScriptsEvent(*dead);
    m_manager.ClearSoldierSlotActions();
    EXPECT_EQ(m_log, (CallLog{"region event 1", "trigger event 1", "door event 1",
                              "region event 22", "trigger event 22", "region event 19 65",
                              "region event 5 orc", "slot event 5 orc", "slot event 5 orc",
                              "slot event 5 orc", "slot event 5 orc", "slot event 5 orc",
                              "slot clear actions", "slot clear actions", "slot clear actions",
                              "slot clear actions", "slot clear actions"}));
}

// Map-object owners and hidden entities stay off; dead soldiers go to the extra list. The
// manager takes its entities off again when it is cleared or deleted.
TEST_F(EntityMgrTest, RegisteringPutsEachEntityOnItsListOfTheMap) {
    Entity* item = Create<Entity>(Entity::kTypeItem, 1, 1);
    Entity* living = Soldier(2, 2);
    Entity* dead = Soldier(3, 3);
    dead->RemoveFlags(Entity::kFlagAlive);
    Entity* hidden = Create<Entity>(Entity::kTypeCycle, 4, 4);
    hidden->AddFlags(Entity::kFlagHidden);
    Create<Entity>(Entity::kTypeDoor, 5, 5);
    Entity* town = Create<Entity>(Entity::kTypeTown, 6, 6);
    Create<Entity>(Entity::kTypeTrigger, 7, 7);
    Create<Entity>(Entity::kTypeContainerMap, 7, 7);
    m_manager.RegisterWithTileMap();

    const auto listed = [&](TileMap::ObjectList list) {
        std::vector<const WorldObject*> objects;
        for (const WorldObject* o = m_map.GetList(list); o != nullptr; o = o->GetNext())
            objects.push_back(o);
        return objects;
    };
    using Objects = std::vector<const WorldObject*>;
    EXPECT_EQ(listed(TileMap::kItemList), (Objects{item}));
    EXPECT_EQ(listed(TileMap::kMobileList), (Objects{living}));
    EXPECT_EQ(listed(TileMap::kExtraList), (Objects{dead}));
    EXPECT_EQ(listed(TileMap::kStaticList), (Objects{town}));

    m_manager.ReleaseEntity(living);
    m_manager.ReleaseEntity(dead);
    m_manager.ReleaseEntity(item);
    EXPECT_EQ(m_map.GetList(TileMap::kMobileList), nullptr);
    EXPECT_EQ(m_map.GetList(TileMap::kExtraList), nullptr);
    EXPECT_EQ(m_map.GetList(TileMap::kItemList), nullptr);
    m_manager.Clear(); // the map must not keep what the manager frees
    EXPECT_EQ(m_map.GetList(TileMap::kStaticList), nullptr);
}

TEST_F(EntityMgrTest, ItemsAreTakenBeforeSoldiersAndLaterPoolsWinEqualDepths) {
    const auto over = [](Entity* entity) {
        entity->AddFlags(Entity::kFlagMouseOver);
        return entity;
    };
    EXPECT_EQ(m_manager.FindEntityAt(3, 4), nullptr);
    EXPECT_EQ(m_manager.GetPickX(), 3);
    Entity* frontSoldier = over(Soldier(0, 9));
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), frontSoldier);
    Entity* backItem = over(Create<Entity>(Entity::kTypeItem, 0, 1));
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), backItem);
    backItem->AddFlags(Entity::kFlagHidden);
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), frontSoldier);
    m_manager.ReleaseEntity(frontSoldier);

    Entity* door = over(Create<Entity>(Entity::kTypeDoor, 0, 5));
    Entity* trigger = over(Create<Entity>(Entity::kTypeTrigger, 0, 5));
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), trigger); // the later pool at the same depth
    Entity* frontDoor = over(Create<Entity>(Entity::kTypeDoor, 0, 6));
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), frontDoor);
    m_manager.ReleaseEntity(frontDoor);
    m_manager.ReleaseEntity(trigger);
    Entity* secondDoor = over(Create<Entity>(Entity::kTypeDoor, 0, 5));
    EXPECT_NE(secondDoor, door);
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), secondDoor); // the higher slot at the same depth

    over(Create<Entity>(Entity::kTypeProjectile, 0, 50));
    Entity* town = over(Create<Entity>(Entity::kTypeTown, 0, 50));
    m_manager.ReleaseEntity(door);
    m_manager.ReleaseEntity(secondDoor);
    EXPECT_EQ(m_manager.FindEntityAt(0, 0), town); // projectiles are never picked
}

TEST_F(EntityMgrTest, ZonesAreFoundByKindAndByTheirNearestPoint) {
    auto* first = Create<TriggerEntity>(Entity::kTypeTrigger);
    auto* second = Create<TriggerEntity>(Entity::kTypeTrigger);
    Create<TriggerEntity>(Entity::kTypeTrigger); // without a zone
    first->GetMapObject().SetKind(kMapObjectTrap);
    testsupport::SetSquareZone(first->GetMapObject(), Vector(10, 10, 0), 1);
    testsupport::SetSquareZone(second->GetMapObject(), Vector(10, 10, 0), 2);
    EXPECT_EQ(
        m_manager.FindMapObjectAt(Entity::kTypeTrigger, kMapObjectTravel, Vector(11.5f, 10, 0)),
        second);
    EXPECT_EQ(m_manager.FindMapObjectAt(Entity::kTypeTrigger, kMapObjectTrap, Vector(11.5f, 10, 0)),
              nullptr);
    EXPECT_EQ(m_manager.FindMapObjectAt(Entity::kTypeItem, kMapObjectTravel, Vector(10, 10, 0)),
              nullptr);

    EntityPtrList* list = nullptr;
    ASSERT_TRUE(m_manager.SelectInRadius(Entity::kTypeTrigger, Vector(13.5f, 10, 0), 2.0f, list));
    EXPECT_FALSE(list->GetAt(0)->IsCandidate()); // 2.5 from the trap's edge
    EXPECT_TRUE(list->GetAt(1)->IsCandidate());  // 1.5 from the travel zone's
    EXPECT_FALSE(list->GetAt(2)->IsCandidate());
    EXPECT_FALSE(m_manager.SelectInRadius(Entity::kTypeTrigger, Vector(), 0.0f, list));
}

class ResolveRefTest : public EntityMgrTest {
protected:
    EntityRef Named(const char* name) {
        EntityRef ref;
        ref.SetName(name);
        return ref;
    }
};

TEST_F(ResolveRefTest, SelfAndTheActivePartyMemberAndNothingForKindsWithoutAMeaning) {
    Entity* self = Soldier(0, 0);
    Entity* leader = Soldier(1, 1);
    EntityRef ref;
    for (int kind : {0, 2, 27, 100})
        EXPECT_FALSE(m_manager.ResolveRef(kind, self, ref)) << kind;
    EXPECT_FALSE(m_manager.ResolveRef(1, nullptr, ref));
    ASSERT_TRUE(m_manager.ResolveRef(1, self, ref));
    EXPECT_EQ(ref.GetEntity(), self);
    EXPECT_FALSE(m_manager.ResolveRef(3, self, ref)); // no leader yet
    m_party.leader = leader;
    ASSERT_TRUE(m_manager.ResolveRef(9, self, ref));
    EXPECT_EQ(ref.GetEntity(), leader);
}

TEST_F(ResolveRefTest, ANamedArgumentOfKindTenIsResolvedByNameFirst) {
    Entity* guard = Soldier(0, 0);
    guard->SetTemplateName("guard");
    guard->GetRef().Set(200, 1, 0, 0, 0, 0, 0);
    Entity* orc = Soldier(0, 0);
    orc->SetTemplateName("orc");
    orc->GetRef().Set(200, 1, 0, 0, 0, 0, 0);
    EntityRef ref = Named("ORC");
    ASSERT_TRUE(m_manager.ResolveRef(10, nullptr, ref));
    EXPECT_EQ(ref.GetEntity(), orc); // not the first of side 200
    EntityRef unnamed;
    unnamed.Set(200, 0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(m_manager.ResolveRef(10, nullptr, unnamed));
    EXPECT_EQ(unnamed.GetEntity(), guard);
    EntityRef missing = Named("troll");
    EXPECT_FALSE(m_manager.ResolveRef(10, nullptr, missing));
}

TEST_F(ResolveRefTest, TargetKindsCopyTheSoldiersRecordOnlyWhileBothAreLive) {
    SoldierEntity* watcher = Soldier(0, 0);
    Entity* attacker = Soldier(1, 0);
    FakeCreature::Of(watcher).targets[1] = attacker->GetRef();
    EntityRef unnamed;
    EXPECT_FALSE(m_manager.ResolveRef(18, nullptr, unnamed));

    EntityRef ref = watcher->GetRef();
    ASSERT_TRUE(m_manager.ResolveRef(18, nullptr, ref));
    EXPECT_EQ(ref.GetEntity(), attacker);

    m_manager.ReleaseEntity(attacker); // the record now names a free slot
    ref = watcher->GetRef();
    EXPECT_FALSE(m_manager.ResolveRef(18, nullptr, ref));
    EXPECT_EQ(ref.GetEntity(), nullptr);

    ref = watcher->GetRef();
    m_manager.ReleaseEntity(watcher);
    EXPECT_FALSE(m_manager.ResolveRef(17, nullptr, ref));
}

} // namespace

namespace {

TEST_F(EntityMgrTest, AFreedSlotTakesItsEntityOffTheMapAndALineFindsWhatItCrosses) {
    Entity* near = Soldier(4, 4);
    Entity* far = Soldier(8, 4);
    Entity* aside = Soldier(6, 9);
    for (Entity* soldier : {near, far, aside})
        soldier->SetRadius(0.5f, 0);
    m_manager.RegisterWithTileMap();
    float length = 0.0f;
    EntityPtrList* list = nullptr;
    ASSERT_TRUE(m_manager.FindOnLine(3, near, Vector(2, 4, 0), Vector(12, 4, 0), aside, length,
                                     list));
    EXPECT_FLOAT_EQ(length, 10.0f);
    EXPECT_FALSE(near->IsCandidate());
    EXPECT_TRUE(far->IsCandidate());
    EXPECT_TRUE(aside->IsCandidate()) << "included again";
    EXPECT_FALSE(m_manager.FindOnLine(3, nullptr, Vector(2, 4, 0), Vector(2, 4, 0), nullptr,
                                      length, list));

    m_manager.FreeSlot(Entity::kTypeSoldier, 0);
    m_manager.FreeSlot(Entity::kTypeSoldier, 7); // no such slot
    EXPECT_FALSE(m_manager.IsLive(near));
    for (const WorldObject* o = m_map.GetList(TileMap::kMobileList); o != nullptr; o = o->GetNext())
        EXPECT_NE(o, near) << "its object goes on to another entity";
}

// The map is cut into as many strips as the table has columns, names included, and rows
// alike: the last strip each way falls outside the table. The 16 x 16 map against a table
// of two rows and two columns of values: strips 16 / 3 wide.
TEST_F(EntityMgrTest, TheRegionTablesAreReadByTheStripThePointLiesIn) {
    const auto table = [](const char* a, const char* b, const char* c, const char* d) {
        return TypedBytes().U32(3).U32(3).Text("0").Text("west").Text("east").Text("north")
            .Text(a).Text(b).Text("south").Text(c).Text(d).Get();
    };
    ASSERT_TRUE(ReadFrom(m_manager.GetGridTableA(), table("10", "20", "30", "40")));
    ASSERT_TRUE(ReadFrom(m_manager.GetGridTableB(), table("bats", "rats", "wolves", "bears")));
    struct Case {
        Vector point;
        int number;
        const char* text;
    };
    for (const Case& c : {Case{{1, 1, 0}, 10, "bats"}, Case{{6, 1, 0}, 20, "rats"},
                          Case{{1, 10, 0}, 30, "wolves"}, Case{{10.6f, 10.6f, 0}, 40, "bears"}}) {
        int number = 0;
        Stringc text;
        EXPECT_TRUE(m_manager.GetTableValueA(c.point, number));
        EXPECT_TRUE(m_manager.GetTableValueB(c.point, text));
        EXPECT_EQ(number, c.number) << c.point.x << ", " << c.point.y;
        EXPECT_STREQ(text.c_str(), c.text);
    }
    int number = -1;
    Stringc text = "kept";
    for (const Vector& outside : {Vector(11, 1, 0), Vector(1, 11, 0)}) {
        EXPECT_FALSE(m_manager.GetTableValueA(outside, number)) << outside.x << ", " << outside.y;
        EXPECT_FALSE(m_manager.GetTableValueB(outside, text));
    }
    EXPECT_EQ(number, -1);
    EXPECT_STREQ(text.c_str(), "kept");
}

// Only party members hear an event sent to all; an event for the soldiers reaches each.
TEST_F(EntityMgrTest, AnEventForAllReachesThePartyMembersAlone) {
    SoldierEntity* member = Soldier(2, 2);
    SoldierEntity* stranger = Soldier(4, 4);
    member->AddFlags(Entity::kFlagPartyMember);
    m_manager.SendEventToAll(SoldierEntity::kEventFollowPath, EventArg(), EventArg());
    EXPECT_EQ(member->CountEvents(), 1);
    EXPECT_EQ(stranger->CountEvents(), 0);
    m_manager.SendEventToSoldiers(SoldierEntity::kEventFollowPath, EventArg(), EventArg());
    EXPECT_EQ(member->CountEvents(), 2);
    EXPECT_EQ(stranger->CountEvents(), 1);
}

// However a soldier is freed, the party forgets it: its slot may be handed out again.
TEST_F(EntityMgrTest, EveryWayOfFreeingASoldierTakesItOutOfTheParty) {
    SoldierEntity* released = Soldier(2, 2);
    SoldierEntity* slotFreed = Soldier(3, 3);
    SoldierEntity* scheduled = Soldier(4, 4);
    SoldierEntity* cleared = Soldier(5, 5);
    m_party.members = {released, slotFreed, scheduled, cleared};
    m_party.leader = released;
    m_manager.ReleaseEntity(released);
    EXPECT_EQ(m_party.leader, nullptr);
    m_manager.FreeSlot(Entity::kTypeSoldier, 1);
    m_manager.ScheduleRelease(scheduled);
    m_manager.Update(10);
    EXPECT_EQ(m_party.members, std::set<const Entity*>{cleared});
    m_manager.Clear();
    EXPECT_TRUE(m_party.members.empty());
}

TEST_F(EntityMgrTest, ACopyTakesTheStoredFieldsOfItsOwnTypeOnly) {
    auto* source = Create<ItemEntity>(Entity::kTypeItem, 3, 4);
    source->SetTemplateName("dagger");
    source->GetRef().Set(200, 1, 0, 0, 0, 0, 0);
    source->SetRadius(0.75f, 9);
    source->SetOrderFlag(true);
    auto* target = Create<ItemEntity>(Entity::kTypeItem);
    target->GetRef().Set(7, 1, 0, 0, 0, 0, 0);
    ASSERT_TRUE(Entity::CopyFrom(*target, *source));
    EXPECT_EQ(target->GetPosition(), Vector(3, 4, 0));
    EXPECT_STREQ(target->GetTemplateName().c_str(), "dagger");
    EXPECT_EQ(target->GetRef().GetSide(), 200u);
    EXPECT_EQ(target->GetRef().GetEntity(), target);
    EXPECT_EQ(target->GetRadius(), 0.75f);
    EXPECT_TRUE(target->IsOrderFlagSet());

    auto* trigger = Create<Entity>(Entity::kTypeTrigger);
    auto* other = Create<Entity>(Entity::kTypeTrigger);
    EXPECT_FALSE(Entity::CopyFrom(*other, *trigger));
    EXPECT_FALSE(Entity::CopyFrom(*target, *Create<Entity>(Entity::kTypeCycle)));
    EXPECT_EQ(target->GetRef().GetSide(), 200u);

    BinaryMapObject* mapObject = nullptr;
    EXPECT_TRUE(Entity::GetBinaryMapObject(Create<Entity>(Entity::kTypeDoor), &mapObject));
    EXPECT_NE(mapObject, nullptr);
    EXPECT_TRUE(Entity::GetBinaryMapObject(Create<Entity>(Entity::kTypeContainerMap)));
    EXPECT_FALSE(Entity::GetBinaryMapObject(trigger));
}

TEST_F(EntityMgrTest, ATownsOrderStepRunsItsScriptButItsFrameDoesNot) {
    TownEntity town;
    town.Init();
    m_log.clear();
    town.Update(33);
    EXPECT_EQ(Count("town update"), 0);
    town.RunOrder();
    EXPECT_EQ(Count("town update"), 1);
}

} // namespace
