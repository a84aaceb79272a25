// Map objects: their records, and what walking in, using, keys and skills do to them.
#include "Source/entities/map_object.h"

#include "Source/entities/container_map_object.h"
#include "Source/entities/door_map_object.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "entity_fakes.h"
#include "map_object_bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace testsupport;

using Made = std::function<std::unique_ptr<MapObject>(Entity&)>;

const Made kPlain = [](Entity& owner) { return std::make_unique<MapObject>(owner, 0); };
const Made kChest = [](Entity& owner) { return std::make_unique<ContainerMapObject>(owner); };
const Made kGate = [](Entity& owner) { return std::make_unique<DoorMapObject>(owner); };

bool Load(MapObject& object, const Bytes& bytes) {
    TestStream stream(bytes);
    return object.Load(stream);
}

Bytes Saved(const MapObject& object) {
    return WrittenBy([&](Stream& stream) { return object.Save(stream); });
}

// Every script named loads.
class MapObjectRecords : public ::testing::Test {
protected:
    CallLog m_log;
    RecordingScriptFactory m_scripts{m_log};
};

TEST_F(MapObjectRecords, EachClassReadsAndWritesItsFieldsInTheirPlaces) {
    const struct {
        const char* what;
        Made make;
        Bytes bytes;
    } cases[] = {
        {"a trap", kPlain, MapObjectRecord(2, 0x09)},
        {"a chest, closed", kChest, ChestObjectRecord(0)},
        {"a gate, closed", kGate, GateObjectRecord(0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Entity owner;
        const std::unique_ptr<MapObject> object = c.make(owner);
        ASSERT_TRUE(Load(*object, c.bytes));
        const MapObject::Settings& s = object->GetSettings();
        EXPECT_EQ(s.position, Vector(4, 5, 0));
        EXPECT_STREQ(s.targetEntry.c_str(), "stairs");
        EXPECT_EQ(s.lockDifficulty, 40u);
        EXPECT_STREQ(s.lockedSound.c_str(), "rattle");
        EXPECT_STREQ(owner.GetRef().GetName().c_str(), "pit");
        EXPECT_TRUE(object->ZoneContains(Vector(2, 1.5f, 0)));
        EXPECT_EQ(Saved(*object), c.bytes);
        for (size_t length = 1; length <= c.bytes.size(); ++length) {
            const std::unique_ptr<MapObject> cut = c.make(owner);
            EXPECT_FALSE(Load(*cut, Cut(c.bytes, length))) << length;
        }
    }
    Entity owner;
    DoorMapObject gate(owner);
    ASSERT_TRUE(Load(gate, GateObjectRecord(1)));
    EXPECT_TRUE(gate.IsOpen());
    EXPECT_EQ(gate.GetCells(BinaryMapObject::kStateClosed).size(), 2u);
    EXPECT_EQ(gate.GetCells(BinaryMapObject::kStateOpen)[0], Vector(5, 6, 0));
    EXPECT_FALSE(gate.ZoneContains(Vector(2, 1.5f, 0))); // open: the open zone, empty
}

TEST_F(MapObjectRecords, TheRulesFlagFollowsTheKind) {
    for (uint8_t kind : {0, 1, 2}) {
        Entity owner;
        MapObject object(owner, 0);
        ASSERT_TRUE(Load(object, MapObjectRecord(kind, 0x09)));
        EXPECT_EQ(object.GetSettings().flags, kind == 2 ? 0x09u : 0x01u) << int(kind);
    }
    Entity owner;
    ContainerMapObject chest(owner);
    Bytes unruled = ChestObjectRecord(0);
    unruled[78] = 0x01; // the flags of the record, without the rules
    ASSERT_TRUE(Load(chest, unruled));
    EXPECT_EQ(chest.GetSettings().flags, 0x09u);
}

TEST_F(MapObjectRecords, ForgedRecordsAreRefused) {
    const size_t stateAt = MapObjectRecord(5, 0x09).size();
    const size_t cellsAt = stateAt + 8 + 4 + 18 + 16;
    const struct {
        const char* what;
        Made make;
        Bytes bytes;
        size_t at;
        Bytes forged;
    } cases[] = {
        {"a chest's record read as a trap", kPlain, ChestObjectRecord(0), 0, {}},
        {"a trap's record read as a chest", kChest, MapObjectRecord(2, 0x09), 0, {}},
        {"a zone of more corners than bytes", kPlain, MapObjectRecord(2, 9), 26, {0xFF, 0xFF}},
        {"a state neither open nor closed", kGate, GateObjectRecord(0), stateAt, {0x02}},
        {"more cells than bytes", kGate, GateObjectRecord(0), cellsAt, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = c.bytes;
        std::copy(c.forged.begin(), c.forged.end(), bytes.begin() + c.at);
        Entity owner;
        const std::unique_ptr<MapObject> object = c.make(owner);
        EXPECT_FALSE(Load(*object, bytes));
        EXPECT_TRUE(object->SetKind(object->GetKind())); // still one of its class
    }
}

// A soldier whose creature passes or fails its skill tests, and the recorders of a test.
class MapObjectRules : public ::testing::Test {
protected:
    MapObjectRules() {
        m_soldier.AttachCreature(&m_creature);
        m_soldier.SetTemplateName("thief");
    }
    // A map object of the class loaded from its record, then changed.
    template <class T> std::unique_ptr<T> Make(const Bytes& bytes, Entity& owner) {
        auto object = std::make_unique<T>(owner);
        EXPECT_TRUE(Load(*object, bytes));
        return object;
    }

    CallLog m_log;
    RecordingScriptFactory m_scripts{m_log};
    RecordingMessages m_messages;
    RecordingJourneys m_journeys;
    FakeCreature m_creature{10, 100, &m_log};
    SoldierEntity m_soldier;
    Entity m_owner;
};

TEST_F(MapObjectRules, AnArmedLockedChestFiresItsTrapThenSaysItIsLockedUntilItsKey) {
    const auto chest = Make<ContainerMapObject>(ChestObjectRecord(0), m_owner);
    chest->Use(nullptr);
    EXPECT_TRUE(m_log.empty());
    chest->Use(&m_soldier);
    EXPECT_EQ(m_log, (CallLog{"slot update"}));
    EXPECT_FALSE(chest->GetSettings().trapArmed);
    EXPECT_TRUE(m_messages.shown.empty());
    chest->Use(&m_soldier);
    EXPECT_EQ(m_messages.shown, (std::vector<std::string>{"It's locked."}));
    EXPECT_FALSE(chest->IsOpen());

    m_log.clear();
    chest->OnItemUsed(m_soldier, "string"); // not its key
    chest->OnItemUsed(m_soldier, "Rope");
    chest->Use(&m_soldier);
    chest->Use(&m_soldier);
    EXPECT_EQ(m_log, (CallLog{"slot event 13 Rope", "slot event 14 thief", "slot event 15 thief"}));
    EXPECT_FALSE(chest->IsOpen());
}

TEST_F(MapObjectRules, AKeyOnATrappedLockedDoorOpensAndDisarmsItInOneUse) {
    const auto gate = Make<DoorMapObject>(GateObjectRecord(0), m_owner);
    gate->OnItemUsed(m_soldier, "rope");
    EXPECT_EQ(m_log, (CallLog{"slot event 13 rope"}));
    const MapObject::Settings& s = gate->GetSettings();
    EXPECT_TRUE(!s.locked && !s.trapArmed && s.trapFound);

    MapObject info(m_owner, kMapObjectInfo); // hands every item to its script
    info.OnItemUsed(m_soldier, "apple");
    MapObject travel(m_owner, kMapObjectTravel);
    travel.EditSettings().keyItem = "apple";
    travel.OnItemUsed(m_soldier, "apple"); // no lock and no trap
    EXPECT_EQ(m_log, (CallLog{"slot event 13 rope", "slot event 13 apple"}));
}

TEST_F(MapObjectRules, SkillsPickLocksAndFindAndDisarmTraps) {
    const struct {
        const char* what;
        uint8_t kind;
        uint8_t found;
        uint8_t locked;
        int skill, mode;
        bool succeeds;
        const char* message; // "" for none
        bool armedAfter, foundAfter, lockedAfter;
    } cases[] = {
        {"picked", 5, 0, 1, 10, 0, true, "You picked the lock!", true, false, false},
        {"not picked", 4, 0, 1, 10, 0, false, "You failed to pick the lock.", true, false, true},
        {"an open lock", 5, 0, 0, 10, 0, true, "It is not locked.", true, false, false},
        {"a travel point's lock", 0, 0, 1, 10, 0, true, "", true, false, true},
        {"found", 2, 0, 0, 12, 1, true, "You found a trap!", true, true, false},
        {"not found", 2, 0, 0, 12, 1, false, "", true, false, false},
        {"disarmed", 2, 1, 0, 12, 0, true, "You disarmed the trap!", false, true, false},
        {"not disarmed", 2, 1, 0, 12, 0, false, "You failed to disarm it.", true, true, false},
        {"an unfound trap", 2, 0, 0, 12, 0, true, "", true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_messages.shown.clear();
        m_creature.skillSucceeds = c.succeeds;
        std::unique_ptr<MapObject> made;
        if (c.kind == 5) {
            made = Make<DoorMapObject>(GateObjectRecord(0), m_owner);
        } else if (c.kind == 4) {
            made = Make<ContainerMapObject>(ChestObjectRecord(0), m_owner);
        } else {
            made = std::make_unique<MapObject>(m_owner, 0);
            ASSERT_TRUE(Load(*made, MapObjectRecord(c.kind, 0x09)));
        }
        made->EditSettings().trapFound = c.found;
        made->EditSettings().locked = c.locked;
        made->UseSkill(m_owner, c.skill, c.mode); // not a soldier: nothing
        made->UseSkill(m_soldier, c.skill, c.mode);
        const std::vector<std::string> shown =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(m_messages.shown, shown);
        const MapObject::Settings& s = made->GetSettings();
        EXPECT_EQ(!!s.trapArmed, c.armedAfter);
        EXPECT_EQ(!!s.trapFound, c.foundAfter);
        EXPECT_EQ(!!s.locked, c.lockedAfter);
    }
    EXPECT_EQ(m_log.front(), "skill 10 against 40");
}

TEST_F(MapObjectRules, WalkingIntoTravelPointsAsksForTheirJourney) {
    const struct {
        uint32_t flags;
        const char* journey;
    } cases[] = {
        {0x00, "to map cellar stairs"},
        {0x04 | 0x10, "to world cellar stairs"},
        {0x10 | 0x40, "to page cellar "},
        {0x40, "temporary to world cellar stairs"},
    };
    for (const auto& c : cases) {
        MapObject travel(m_owner, kMapObjectTravel);
        ASSERT_TRUE(Load(travel, MapObjectRecord(0, c.flags)));
        travel.Activate(m_soldier);
        EXPECT_EQ(m_journeys.asked.back(), c.journey);
    }

    EntityMgr manager;
    Entity* exit = manager.CreateEntity(0, 0, 0, Entity::kTypeTrigger);
    MapObject* travel = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(exit, &travel));
    travel->EditSettings().flags = MapObject::kFlagSymbol | MapObject::kFlagReleaseOwner;
    travel->Activate(m_soldier);
    EXPECT_EQ(travel->GetSettings().flags & MapObject::kFlagVisited, MapObject::kFlagVisited);
    EXPECT_FALSE(manager.IsLive(exit));
}

TEST_F(MapObjectRules, ATrapFiresOnceUnlessItStaysArmed) {
    for (uint32_t flags : {0x08u, 0x09u}) {
        SCOPED_TRACE(flags);
        m_log.clear();
        MapObject trap(m_owner, kMapObjectTrap);
        ASSERT_TRUE(Load(trap, MapObjectRecord(2, flags)));
        for (int walk = 0; walk < 3; ++walk)
            trap.Activate(m_soldier);
        EXPECT_EQ(m_log.size(), flags == 0x09u ? 3u : 1u);
        EXPECT_EQ(m_log.front(), "slot event 16 thief");
        EXPECT_TRUE(trap.GetSettings().trapFound);
        EXPECT_STREQ(trap.GetKindName().c_str(), flags == 0x09u ? "Trap" : "");
    }
}

} // namespace
