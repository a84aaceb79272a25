// Entity templates written for content, loaded back by name as the game loads them.
#include "tools/templatewriter/template_writer.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/data_paths.h"
#include "Library/files/res_file_builder.h"
#include "Library/files/res_file_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

class TemplateTest : public ::testing::Test {
protected:
    TemplateTest() { g_dataPaths = &m_paths; }
    ~TemplateTest() override {
        g_dataPaths = nullptr;
        g_generalRes = nullptr;
    }

    // The template's bytes as stored.
    static std::string Stored(int type, const char* name) {
        std::ifstream file(TemplateWriter::PathOf(type, name).c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // Loaded by name into a fresh entity of the type, then saved again.
    std::string Reloaded(int type, const char* name) {
        Entity* entity = m_manager.CreateEntity(0, 0, 0, type);
        EXPECT_TRUE(entity->LoadByName(name));
        const Bytes saved = WrittenBy([&](Stream& stream) { return entity->Save(stream); });
        return std::string(saved.begin(), saved.end());
    }

    testsupport::ScratchDir m_dir;
    DataPaths m_paths{m_dir.Root().c_str()};
    EntityMgr m_manager;
};

void FillCrate(Entity& entity) {
    entity.SetPosition(Vector(1, 2, 0));
    entity.SetRadius(0.75f, 4);
    entity.GetRef().Set(40, 1, 7, 0, 0, 0, 2);
    entity.GetRef().AddToList(3);
    entity.SetDisplayName("Crate");
    entity.SetDescription("A crate of the tests.");
}

// An item shows the names of its own texts.
void FillCoin(Entity& entity) {
    FillCrate(entity);
    auto& item = static_cast<ItemEntity&>(entity);
    item.SetText(ItemEntity::kName, "Crate");
    item.SetText(ItemEntity::kDescriptionText, "A crate of the tests.");
}

TEST_F(TemplateTest, ASavedTemplateLoadsByNameAndSavesTheSameFromFileOrArchive) {
    ASSERT_TRUE(TemplateWriter::Write(Entity::kTypeBase, "crate", FillCrate));
    ASSERT_TRUE(TemplateWriter::Write(Entity::kTypeItem, "coin", FillCoin));
    const std::string crate = Stored(Entity::kTypeBase, "crate");
    const std::string coin = Stored(Entity::kTypeItem, "coin");
    ASSERT_FALSE(crate.empty());
    EXPECT_EQ(Reloaded(Entity::kTypeBase, "crate.dat"), crate); // an extension is dropped
    EXPECT_EQ(Reloaded(Entity::kTypeItem, "coin"), coin);

    ASSERT_TRUE(ResFileBuilder().Build());
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(m_paths.GetGeneralResPath().c_str(), ResFileMgr::kRead));
    g_generalRes = &archive;
    m_paths.SetUseResourceFiles(true);
    std::filesystem::remove_all(m_dir.Path("Data"));
    EXPECT_EQ(Reloaded(Entity::kTypeBase, "crate"), crate);
    EXPECT_EQ(Reloaded(Entity::kTypeItem, "COIN"), coin);
}

TEST_F(TemplateTest, TheLoadedEntityKnowsItsPathAndItsName) {
    ASSERT_TRUE(TemplateWriter::Write(Entity::kTypeBase, "crate", FillCrate));
    Entity* entity = m_manager.CreateEntity(0, 0, 0, Entity::kTypeBase);
    ASSERT_TRUE(entity->LoadByName("crate"));
    EXPECT_STREQ(entity->GetTemplateName().c_str(), "crate");
    EXPECT_STREQ(entity->GetFullPath().c_str(), "data/entity/base/crate.dat");
    EXPECT_STREQ(entity->GetRef().GetName().c_str(), "crate");
    EXPECT_EQ(m_manager.FindByName(Entity::kTypeBase, "CRATE"), entity);
}

TEST_F(TemplateTest, MissingOrForeignTemplatesFailToLoad) {
    ASSERT_TRUE(TemplateWriter::Write(Entity::kTypeItem, "coin", FillCrate));
    Entity* base = m_manager.CreateEntity(0, 0, 0, Entity::kTypeBase);
    EXPECT_FALSE(base->LoadByName("coin")); // not in the base directory
    m_dir.WriteFile("Data/Entity/Base/coin.dat", Stored(Entity::kTypeItem, "coin"));
    EXPECT_FALSE(base->LoadByName("coin")); // an item's record
    EXPECT_EQ(base->GetType(), Entity::kTypeBase);
}

TEST_F(TemplateTest, TypesWithoutATemplateDirectoryAreRefused) {
    for (int type :
         {int{Entity::kTypeTrigger}, int{Entity::kTypeContainerMap}, int{Entity::kTypeQueued}}) {
        EXPECT_FALSE(TemplateWriter::Write(type, "zone", [](Entity&) {})) << type;
    }
}

} // namespace
