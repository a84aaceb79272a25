// Map objects: their records, and what walking in, using, keys and skills do to them.
#include "Source/entities/map_object.h"

#include "Source/entities/container_map_object.h"
#include "Source/entities/door_map_object.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "entity_fakes.h"
#include "map_object_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

using namespace testsupport;

// A map object of the class: 0 a trigger's, 4 a chest's, 5 a door's.
std::unique_ptr<MapObject> Make(int kind, Entity& owner) {
    if (kind == kMapObjectContainer)
        return std::make_unique<ContainerMapObject>(owner);
    if (kind == kMapObjectDoor)
        return std::make_unique<DoorMapObject>(owner);
    return std::make_unique<MapObject>(owner, kMapObjectTravel);
}

// A soldier whose creature passes or fails its skill tests, recorders of scripts, messages
// and journeys, and scripts that always load.
class MapObjectTest : public ::testing::Test, protected RecordingFakes {
protected:
    MapObjectTest() {
        m_soldier.Init();
        m_soldier.SetTemplateName("thief");
    }
    std::unique_ptr<MapObject> Loaded(int classKind, const Bytes& bytes) {
        std::unique_ptr<MapObject> object = Make(classKind, m_owner);
        EXPECT_TRUE(LoadFrom(*object, bytes));
        return object;
    }

    RecordingMessages m_messages;
    RecordingJourneys m_journeys;
    SoldierEntity m_soldier;
    Entity m_owner;
};

TEST_F(MapObjectTest, EachClassReadsAndWritesItsRecordAndRefusesCutAndForgedOnes) {
    const size_t stateAt = MapObjectRecord(5, 9).size();
    const struct {
        int classKind;
        Bytes bytes;
        size_t forgedAt; // a forgery refused: another class's kind, or an impossible count
        Bytes forged;
    } cases[] = {
        {kMapObjectTrap, MapObjectRecord(2, 0x09), 0, {0x04}},
        {kMapObjectTrap, MapObjectRecord(2, 0x09), 26, {0xFF, 0xFF}}, // zone corners
        {kMapObjectContainer, ChestObjectRecord(0), 0, {0x02}},
        {kMapObjectDoor, GateObjectRecord(0), 0, {0x04}},
        {kMapObjectDoor, GateObjectRecord(0), stateAt, {0x02}}, // neither open nor closed
        {kMapObjectDoor, GateObjectRecord(1), stateAt + 46, {0xFF, 0xFF, 0xFF}}, // cells
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.forgedAt);
        const std::unique_ptr<MapObject> object = Loaded(c.classKind, c.bytes);
        EXPECT_STREQ(m_owner.GetRef().GetName().c_str(), "pit");
        EXPECT_EQ(object->GetSettings().position, Vector(4, 5, 0));
        const bool open = c.classKind >= 4 && c.bytes[stateAt] == 1;
        EXPECT_EQ(object->ZoneContains(Vector(2, 1.5f, 0)), !open); // the open zone is empty
        EXPECT_EQ(SavedForm(*object), c.bytes);
        for (size_t length = 1; length <= c.bytes.size(); length += 7)
            EXPECT_FALSE(LoadFrom(*Make(c.classKind, m_owner), Cut(c.bytes, length))) << length;
        Bytes forged = c.bytes;
        std::copy(c.forged.begin(), c.forged.end(), forged.begin() + c.forgedAt);
        const std::unique_ptr<MapObject> refused = Make(c.classKind, m_owner);
        EXPECT_FALSE(LoadFrom(*refused, forged));
        EXPECT_TRUE(refused->SetKind(refused->GetKind())); // still a kind of its class
    }
    const std::unique_ptr<MapObject> travel = Loaded(kMapObjectTravel, MapObjectRecord(0, 0x09));
    EXPECT_EQ(travel->GetSettings().flags, 0x01u); // no lock, trap or key rules for travel
}

TEST_F(MapObjectTest, AnArmedLockedChestFiresItsTrapThenSaysItIsLockedUntilItsKey) {
    const std::unique_ptr<MapObject> loaded = Loaded(4, ChestObjectRecord(0));
    auto* chest = static_cast<ContainerMapObject*>(loaded.get());
    chest->Use(nullptr);
    chest->Use(&m_soldier);
    // The trap's script runs at once, told who sprang it, so it can show that it did.
    EXPECT_EQ(m_log, (CallLog{"slot event 16 thief", "slot update"}));
    chest->Use(&m_soldier);
    EXPECT_EQ(m_messages.shown, (std::vector<std::string>{"It's locked."}));
    chest->OnItemUsed(m_soldier, "string");
    chest->OnItemUsed(m_soldier, "Rope");
    chest->Use(&m_soldier);
    chest->Use(&m_soldier);
    EXPECT_EQ(m_log, (CallLog{"slot event 16 thief", "slot update", "slot event 13 Rope",
                              "slot event 14 thief", "slot event 15 thief"}));
    EXPECT_FALSE(chest->IsOpen());

    m_log.clear(); // the key on a door that is both trapped and locked: one event
    const std::unique_ptr<MapObject> gate = Loaded(5, GateObjectRecord(0));
    gate->OnItemUsed(m_soldier, "rope");
    EXPECT_EQ(m_log, (CallLog{"slot event 13 rope"}));
    const MapObject::Settings& s = gate->GetSettings();
    EXPECT_TRUE(!s.locked && !s.trapArmed && s.trapFound);
}

TEST_F(MapObjectTest, SkillsPickLocksAndFindAndDisarmTrapsWithTheirMessages) {
    const struct {
        uint8_t kind, found, locked;
        int skill, mode;
        bool succeeds;
        const char* message; // "" for none
        uint8_t armed, foundAfter, lockedAfter;
    } cases[] = {
        {5, 0, 1, 10, 0, true, "You picked the lock!", 1, 0, 0},
        {4, 0, 1, 10, 0, false, "You failed to pick the lock.", 1, 0, 1},
        {5, 0, 0, 10, 0, true, "It is not locked.", 1, 0, 0},
        {0, 0, 1, 10, 0, true, "", 1, 0, 1}, // a travel point has no lock
        {2, 0, 0, 12, 1, true, "You found a trap!", 1, 1, 0},
        {2, 0, 0, 12, 1, false, "", 1, 0, 0},
        {2, 1, 0, 12, 0, true, "You disarmed the trap!", 0, 1, 0},
        {2, 1, 0, 12, 0, false, "You failed to disarm it.", 1, 1, 0},
        {2, 0, 0, 12, 0, true, "", 1, 0, 0}, // a trap not found cannot be disarmed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        m_messages.shown.clear();
        FakeCreature::Of(&m_soldier).skillSucceeds = c.succeeds;
        const std::unique_ptr<MapObject> object =
            Loaded(c.kind, c.kind == 5   ? GateObjectRecord(0)
                           : c.kind == 4 ? ChestObjectRecord(0)
                                         : MapObjectRecord(c.kind, 0x09));
        object->EditSettings().trapFound = c.found;
        object->EditSettings().locked = c.locked;
        object->UseSkill(m_owner, c.skill, c.mode); // not a soldier: nothing
        object->UseSkill(m_soldier, c.skill, c.mode);
        EXPECT_EQ(m_messages.shown,
                  *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        const MapObject::Settings& s = object->GetSettings();
        EXPECT_EQ(std::vector<int>({s.trapArmed, s.trapFound, s.locked}),
                  std::vector<int>({c.armed, c.foundAfter, c.lockedAfter}));
    }
    EXPECT_EQ(m_log.front(), "skill 10 against 40");
}

TEST_F(MapObjectTest, WalkingInAsksForTheJourneyOrFiresTheTrap) {
    const struct {
        uint32_t flags;
        const char* journey;
    } journeys[] = {{0x00, "to map cellar stairs"},
                    {0x04 | 0x10, "to world cellar stairs"},
                    {0x10 | 0x40, "to page cellar "},
                    {0x40, "temporary to world cellar stairs"}};
    for (const auto& j : journeys) {
        Loaded(0, MapObjectRecord(0, j.flags))->Activate(m_soldier);
        EXPECT_EQ(m_journeys.asked.back(), j.journey);
    }
    EntityMgr manager;
    Entity* exit = manager.CreateEntity(0, 0, 0, Entity::kTypeTrigger);
    MapObject* travel = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(exit, &travel));
    travel->EditSettings().flags = MapObject::kFlagSymbol | MapObject::kFlagReleaseOwner;
    travel->Activate(m_soldier);
    EXPECT_TRUE(travel->GetSettings().flags & MapObject::kFlagVisited);
    EXPECT_FALSE(manager.IsLive(exit));

    for (uint32_t flags : {0x08u, 0x09u}) { // 0x01: the trap stays armed
        m_log.clear();
        const std::unique_ptr<MapObject> trap = Loaded(0, MapObjectRecord(2, flags));
        for (int walk = 0; walk < 3; ++walk)
            trap->Activate(m_soldier);
        EXPECT_EQ(m_log, CallLog(flags == 0x09u ? 3 : 1, "slot event 16 thief"));
        EXPECT_TRUE(trap->GetSettings().trapFound);
        EXPECT_STREQ(trap->GetKindName().c_str(), flags == 0x09u ? "Trap" : "");
    }
}

// The travel target, the script, the sounds and a door's pictures name files.
TEST_F(MapObjectTest, NamesLeadingOutOfTheirFoldersAreRefused) {
    const struct {
        int classKind;
        Bytes bytes;
        const char* name;
    } cases[] = {
        {kMapObjectTravel, MapObjectRecord(0, 0x09), "cellar"},
        {kMapObjectTrap, WithText(MapObjectRecord(2, 0x09), "pit", "pitname"), "pit"},
        {kMapObjectTrap, MapObjectRecord(2, 0x09), "click"},
        {kMapObjectDoor, GateObjectRecord(0), "gate_open.tga"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(LoadFrom(*Make(c.classKind, m_owner), c.bytes));
        EXPECT_FALSE(LoadFrom(*Make(c.classKind, m_owner), WithText(c.bytes, c.name, "../../x")));
    }
}

TEST_F(MapObjectTest, ADoorCellBeyondEveryMapIsRefused) {
    const Bytes gate = GateObjectRecord(0);
    const Bytes cell = {0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0xA0, 0x40}; // (5, 5)
    const auto at = std::search(gate.begin(), gate.end(), cell.begin(), cell.end()) - gate.begin();
    for (const float wrong : {std::numeric_limits<float>::quiet_NaN(), 5.0e9f}) {
        Bytes forged = gate;
        PutFieldAt(forged.data(), at + 4, wrong);
        const std::unique_ptr<MapObject> door = Make(kMapObjectDoor, m_owner);
        EXPECT_FALSE(LoadFrom(*door, forged)) << wrong;
    }
}

} // namespace
