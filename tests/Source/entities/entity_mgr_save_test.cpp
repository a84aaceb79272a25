// The region's entities stored: the saved region, the definition and their header.
#include "Source/entities/entity_mgr.h"

#include "Library/files/data_tree_support.h"
#include "Library/files/two_dim_array.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/entities/town_entity.h"
#include "Source/entities/trigger_entity.h"
#include "entity_fakes.h"
#include "item_bytes.h"
#include "map_object_bytes.h"
#include "tools/templatewriter/template_writer.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

template <class T> bool Place(Entity* entity, const Bytes& placement) {
    TestStream stream(placement);
    return static_cast<T*>(entity)->LoadPlacement(stream);
}

// Templates of every class that has them, a grid table, and scripts that always load.
class RegionStoreTest : public ::testing::Test, protected RecordingFakes {
protected:
    RegionStoreTest() {
        const auto named = [](Entity& entity) {
            entity.SetDisplayName("Placed");
            ItemEntity* item = nullptr;
            if (Entity::AsItem(&entity, &item))
                item->SetIconName(1, "thing"); // what it shows lying on the map
        };
        for (int type : {0, 1, 3, 5, 6})
            EXPECT_TRUE(TemplateWriter::Write(type, "thing", named));
        WriteAni(m_root, "Icons/thing", "misc_1", 1, 1, 0);
        g_uniAnimationMgr = &m_pool;
        EXPECT_TRUE(TemplateWriter::Write(Entity::kTypeTown, "mill", [](Entity& entity) {
            static_cast<TownEntity&>(entity).SetTown("town", "A mill.", "");
        }));
        m_root.WriteFile("table.txt", "2DA V1.0 table\nnear far\nrow 1 2\n");
        m_root.WriteFile("Data/2DArray/.keep", "");
        EXPECT_TRUE(TwoDimArray().Compile(m_root.Path("table.txt").c_str()));
    }

    // One entity of each stored class, and the soldiers a saved region leaves out.
    void Populate(EntityMgr& manager, PlacedEntityList& placed) {
        manager.SetHeader({"region", "table", "kept", ""});
        float x = 1.0f;
        for (int type : {0, 1, 3, 5, 6, 11}) {
            Entity* entity = manager.CreateEntity(0, 0, 0, type);
            ASSERT_TRUE(entity->LoadByName(type == Entity::kTypeTown ? "mill" : "thing"));
            entity->SetPosition(Vector(x++, 2.0f, 0.0f));
            ItemEntity* item = nullptr;
            if (Entity::AsItem(entity, &item)) {
                ASSERT_TRUE(item->LoadIcon2()); // as placed on the map
            }
            placed.Add(entity);
        }
        placed.Add(nullptr); // a slot the editor freed
        ASSERT_TRUE(Place<TriggerEntity>(manager.CreateEntity(0, 0, 0, Entity::kTypeTrigger),
                                         MapObjectRecord(0, 0x01)));
        ASSERT_TRUE(Place<ContainerMapEntity>(
            manager.CreateEntity(0, 0, 0, Entity::kTypeContainerMap), ChestObjectRecord(0)));
        ASSERT_TRUE(Place<DoorEntity>(manager.CreateEntity(0, 0, 0, Entity::kTypeDoor),
                                      Concat({GateObjectRecord(1), {0x01}})));
        for (uint32_t left : {Entity::kFlagHidden, Entity::kFlagNeverSaved, 0u}) {
            Entity* soldier = manager.CreateEntity(9, 9, 0, Entity::kTypeSoldier);
            soldier->AddFlags(left);
            if (left == 0)
                m_party.members.insert(soldier);
        }
    }
    static Bytes Definition(EntityMgr& manager, const PlacedEntityList& placed) {
        return WrittenBy(
            [&](Stream& stream) { return manager.SaveRegionDefinition(stream, &placed); });
    }

    ~RegionStoreTest() override { g_uniAnimationMgr = nullptr; }

    ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
    FakeParty m_party;
};

TEST_F(RegionStoreTest, BothFormsOfARegionOfEveryClassReadBackToTheSameBytes) {
    EntityMgr manager(nullptr, &m_party);
    PlacedEntityList placed;
    Populate(manager, placed);

    const Bytes definition = Definition(manager, placed);
    EntityMgr defined(nullptr, &m_party);
    PlacedEntityList placedAgain;
    TestStream definitionStream(definition);
    ASSERT_TRUE(defined.LoadRegionDefinition(definitionStream, &placedAgain));
    EXPECT_EQ(placedAgain.GetSlotCount(), 6);
    EXPECT_STREQ(placedAgain.GetAt(2)->GetDisplayName().c_str(), "Placed");
    EXPECT_EQ(defined.GetSlotCount(Entity::kTypeSoldier), 1);
    EXPECT_EQ(Definition(defined, placedAgain), definition);

    const Bytes saved = SavedForm(manager);
    EntityMgr restored(nullptr, &m_party);
    ASSERT_TRUE(LoadFrom(restored, saved));
    EXPECT_EQ(restored.GetSlotCount(Entity::kTypeSoldier), 1); // no party, nobody hidden
    EXPECT_EQ(restored.GetHeaderFailures(), 0u);
    EXPECT_EQ(SavedForm(restored), saved);

    for (size_t length = 1; length < saved.size(); length += 97) {
        EntityMgr cut;
        EXPECT_FALSE(LoadFrom(cut, Cut(saved, length))) << length;
    }
}

// Held items are hidden from the map: the item pool leaves them to the chest's record.
TEST_F(RegionStoreTest, AChestKeepsItsItemsAndTheRegionReadsNoneOfThemTwice) {
    ItemLayout coins;
    coins.itemClass = 115;
    Bytes held = ItemRecord(coins);
    PutFieldAt(held.data(), kFlagsAt, Entity::kFlagShown | Entity::kFlagHidden);
    const Bytes chestRecord =
        Concat({ContainerRecord({held, held}, Entity::kFlagShown, 9, "pit"), ChestObjectRecord(0)});
    EntityMgr manager;
    Entity* chest = manager.CreateEntity(0, 0, 0, Entity::kTypeContainerMap);
    ASSERT_TRUE(LoadFrom(*chest, chestRecord));
    EXPECT_EQ(SavedForm(*chest), chestRecord);

    const Bytes saved = SavedForm(manager);
    EntityMgr restored;
    ASSERT_TRUE(LoadFrom(restored, saved));
    int items = 0;
    for (int slot = 0; slot < restored.GetSlotCount(Entity::kTypeItem); ++slot)
        items += restored.IsSlotUsed(Entity::kTypeItem, slot);
    EXPECT_EQ(items, 2);
    EXPECT_EQ(static_cast<ContainerMapEntity*>(restored.GetEntity(Entity::kTypeContainerMap, 0))
                  ->CountHeld(),
              2);
    EXPECT_EQ(SavedForm(restored), saved);
}

// A header's names stay as they were read, whether or not they load, so that a region saved
// again keeps them.
TEST_F(RegionStoreTest, AnEmptyDefinitionAppliesItsHeaderAndKeepsEveryNameAsRead) {
    const Bytes definition = Concat({Text("region.scr"), Text("table"), Text("kept"), Text("lost"),
                                     U32(0), U32(0), U32(0), U32(0)});
    EntityMgr manager;
    manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    TestStream stream(definition);
    ASSERT_TRUE(manager.LoadRegionDefinition(stream, nullptr));
    EXPECT_FALSE(manager.IsSlotUsed(Entity::kTypeItem, 0)); // cleared first
    EXPECT_EQ(manager.GetHeaderFailures(), EntityMgr::kGridTableBFailed);
    int far = 0;
    EXPECT_TRUE(manager.GetGridTableA().GetInt("row", "far", far) && far == 2);
    EXPECT_STREQ(manager.GetHeader().gridTableB.c_str(), "lost");
    EXPECT_EQ(Definition(manager, PlacedEntityList()), definition);
}

TEST_F(RegionStoreTest, AMissingTemplateOrAnImpossibleCountFailsTheDefinition) {
    const Bytes header = Concat({Text(""), Text(""), Text(""), Text("")});
    const Bytes missing =
        Concat({header, U32(1), Text("nothing"), Placement(0, 0x40), U32(0), U32(0), U32(0)});
    const Bytes tooMany = Concat({header, U32(0), U32(0x10000000), MapObjectRecord(0, 1)});
    for (const Bytes& bytes : {missing, tooMany}) {
        EntityMgr manager;
        TestStream stream(bytes);
        EXPECT_FALSE(manager.LoadRegionDefinition(stream, nullptr));
    }
}

// The region's script and tables name files: one leading out of its folder fails the
// definition, where a name that is merely missing only marks the header.
TEST_F(RegionStoreTest, AHeaderNameLeadingOutOfItsFolderFailsTheDefinition) {
    for (const Bytes& header : {Concat({Text("../region.scr"), Text(""), Text(""), Text("")}),
                                Concat({Text(""), Text("/table"), Text(""), Text("")}),
                                Concat({Text(""), Text(""), Text(""), Text("..\\lost")})}) {
        EntityMgr manager;
        TestStream stream(Concat({header, U32(0), U32(0), U32(0), U32(0)}));
        EXPECT_FALSE(manager.LoadRegionDefinition(stream, nullptr));
    }
}

} // namespace
