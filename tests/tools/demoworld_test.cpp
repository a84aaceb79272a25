// What the demo world holds, read back the way the game reads it.
#include "Library/core/test_stream_support.h"
#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_object.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "LibraryScriptCompiler/scripted_machine.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/explosion.h"
#include "Source/creatures/item_ability.h"
#include "Source/creatures/spell.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/editors/animation_editor.h"
#include "Source/editors/editor_directory_box.h"
#include "Source/editors/graphic_offset_calc.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/entities/projectile_mgr.h"
#include "Source/screens/edit_game_panel.h"
#include "Source/screens/main_panel.h"
#include "Source/scripting/game_machine_factory.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/image_decompressor.h"
#include "Source/world/log_mgr.h"
#include "Source/world/offscreen_region.h"
#include "Source/world/water_mgr.h"
#include "Source/world/weather_mgr.h"
#include "demo_world_dir.h"
#include "platform/sound_file.h"
#include "tools/demoworld/creature_art.h"

#include <gtest/gtest.h>

#include <SDL/SDL_image.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A demo world whose loaders read from one of its archives, the loose files gone.
class DemoWorldTest : public ::testing::Test {
protected:
    ~DemoWorldTest() override {
        g_generalRes = g_animationRes = nullptr;
        g_dataPaths = nullptr;
    }
    void ReadFromArchive(const Stringc& (DataPaths::*archivePath)() const, ResFileMgr*& reader,
                         const char* looseDirectory) {
        ASSERT_TRUE(m_world.Built());
        m_paths.SetUseResourceFiles(true);
        g_dataPaths = &m_paths;
        ASSERT_TRUE(m_archive.Open((m_paths.*archivePath)().c_str(), ResFileMgr::kRead));
        reader = &m_archive;
        std::filesystem::remove_all(m_world.Path(looseDirectory));
    }

    testsupport::DemoWorldDir m_world;
    DataPaths m_paths{m_world.Root().c_str()};
    ResFileMgr m_archive;
};

TEST_F(DemoWorldTest, TheCursorSetLoadsFromTheAnimationArchive) {
    ReadFromArchive(&DataPaths::GetAnimationResPath, g_animationRes, "art");
    const DataPaths& paths = m_paths;

    struct Expected {
        const char* name;
        int sequences;
    };
    UniAnimationMgr pool;
    for (const Expected& expected :
         {Expected{"pointer", 1}, Expected{"attack", 1}, Expected{"use_item", 1},
          Expected{"use_spell", 1}, Expected{"scroll", 8}, Expected{"error", 1}}) {
        SCOPED_TRACE(expected.name);
        const Stringc path = paths.GetAnimDir() + "/Mouse/" + expected.name + ".ani";
        const Animation* animation = pool.GetAnimation(path.c_str());
        ASSERT_NE(animation, nullptr);
        EXPECT_STREQ(animation->GetName().c_str(), expected.name);
        EXPECT_EQ(animation->GetSequenceCount(), expected.sequences);
        EXPECT_GE(animation->GetFrameCount(), expected.sequences == 8 ? 3 : 1); // the ramp
        for (int s = 0; s < animation->GetSequenceCount(); ++s) {
            for (int f = 0; f < animation->GetFrameCount(); ++f) {
                const EncodedFrame* frame = animation->GetFrameImage(s, f);
                ASSERT_NE(frame, nullptr);
                EXPECT_GT(frame->GetWidth(), 0);
                EXPECT_LE(frame->GetOffsetX() + frame->GetWidth(), 16); // the cursor's size
                EXPECT_LE(frame->GetOffsetY() + frame->GetHeight(), 16);
            }
        }
        EXPECT_GT(animation->GetFrameDuration(0), 0u);
    }
}

TEST_F(DemoWorldTest, TheDemoScriptRunsFromTheGeneralArchive) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Script");
    testsupport::ScriptedMachine machine;
    ASSERT_TRUE(machine.LoadScript(m_paths.GetScriptDir() + "/demo.scr", true));
    EXPECT_STREQ(machine.GetName().c_str(), "demo");
    std::set<int> opcodes;
    for (int i = 0; i < machine.GetInstructions().Count(); ++i)
        opcodes.insert(machine.GetInstructions().At(i).opcode);
    EXPECT_EQ(opcodes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 13, 15, 20, 21, 23, 24, 25}));
    std::set<int> types;
    int numbers = 0, texts = 0, references = 0, vectors = 0;
    for (int i = 0; i < machine.GetHeaders().Count(); ++i) {
        const ScriptFuncHeader& header = machine.GetHeaders().At(i);
        types.insert(header.GetType());
        numbers += header.NumberCount();
        texts += header.StringCount();
        references += header.ObjectCount();
        vectors += header.VectorCount();
    }
    EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_GT(numbers * texts * references * vectors, 0);

    // Started, it counts the visit; with every condition true it then greets.
    machine.PostEvent(testsupport::Event(1));
    machine.Update(0);
    EXPECT_EQ(machine.calls.front(), 1);
    EXPECT_EQ(std::count(machine.calls.begin(), machine.calls.end(), 91), 1);
    EXPECT_EQ(std::count(machine.calls.begin(), machine.calls.end(), 103), 2);
    EXPECT_FALSE(machine.IsBusy()); // every action done at once
}

TEST_F(DemoWorldTest, TheDemoRegionLoadsFromTheGeneralArchiveAndItsScriptOpensATopic) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Data");
    UniAnimationMgr animations;
    g_uniAnimationMgr = &animations;
    GameMode game;
    game.BuildPaths(m_world.Root().c_str());
    ::testing::internal::CaptureStderr(); // the sea's pictures need a scratch image
    OffscreenRegion region(game, g_generalRes);
    ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(Graphic::InitScratch()); // the signpost's picture
    GraphicMgr graphics;
    g_graphicMgr = &graphics;
    PlacedEntityList placed;
    {
        const ScopedCreatureFactory creatures; // the scientists, the trader and what they carry
        const CreatureItemRules rules;
        const ScopedGameMachineFactory machines; // the scripts of the gate, chest and crate
        ASSERT_TRUE(region.Get().LoadRegFile("demo", &placed));
    }
    g_graphicMgr = nullptr;
    g_uniAnimationMgr = nullptr;
    Graphic::FreeScratch();

    // Its entities: a torch, a signpost, the town, the two scientists, the brute and the
    // trader from their templates, the hostile one's sword, gold and potion, the brute's
    // greataxe, and the trader's potions, bullets and gold; the gate; the locked, trapped
    // chest and the open crate; the signpost's information, the way south and the way east.
    EXPECT_EQ(placed.GetSlotCount(), 7);
    std::multiset<int> types;
    for (int type = 0; type < Entity::kTypeCount; ++type)
        for (int slot = 0; slot < g_entityMgr->GetSlotCount(type); ++slot)
            types.insert(type);
    EXPECT_EQ(types,
              (std::multiset<int>{0, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 3, 5, 7, 9, 9, 10, 10, 10, 11}));
    MapObject* chest = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0), &chest));
    EXPECT_TRUE(chest->GetSettings().locked && chest->GetSettings().trapArmed);
    MapObject* way = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(g_entityMgr->GetEntity(Entity::kTypeTrigger, 1), &way));
    EXPECT_EQ(way->GetKind(), kMapObjectTravel);
    EXPECT_TRUE(way->ZoneContains(Vector(50, 98, 0)));
    EXPECT_EQ(way->GetSettings().targetMap, "demo2");
    EXPECT_EQ(way->GetSettings().targetEntry, "road");

    EXPECT_EQ(g_entityMgr->GetRegionScriptName(), "demo_map");
    EXPECT_EQ(g_entryPtMgr->GetDefault().position, Vector(49.5f, 60, 0));
    ASSERT_NE(g_entryPtMgr->FindByName("gate"), nullptr);
    ASSERT_NE(g_entryPtMgr->FindByName("road"), nullptr);
    ASSERT_NE(g_entryPtMgr->FindByName("east road"), nullptr);
    EXPECT_GT(g_weatherMgr->GetKindChance(WeatherMgr::kRain), 0.0f);
    ASSERT_EQ(g_ambientSndMgr->Count(), 2);
    EXPECT_TRUE(g_ambientSndMgr->Get(0)->IsContinuous());
    EXPECT_FALSE(g_ambientSndMgr->Get(1)->IsContinuous());
    for (const char* name : {"brook", "bird1", "bird2", "lightening1", "lightening2"}) {
        platform::SoundPcm pcm;
        EXPECT_EQ(
            platform::DecodeSoundFile((m_paths.GetSfxDir() + "/" + name + ".wav").c_str(), pcm),
            kSoundErrNone)
            << name;
    }

    // Entering the region, its script files the topic through the journal's native.
    testsupport::ScriptedMachine machine;
    ASSERT_TRUE(machine.LoadScript(m_paths.GetScriptDir() + "/demo_map.scr", true));
    LogMgr journal;
    int posted = 0;
    machine.onCall = [&](ScriptFuncHeader& call) {
        if (call.GetType() == kCallEventTest) // holds for the event posted
            return call.GetId() == posted ? 1 : 0;
        if (call.GetId() == 51)
            return journal.AddEntry(call.GetString(0), call.GetString(1)) ? 1 : 0;
        return 1;
    };
    for (const int start : {1, 3}) { // the start and party-placed events file nothing
        posted = start;
        machine.PostEvent(testsupport::Event(start));
        machine.Update(0);
    }
    EXPECT_EQ(journal.Find("The meadow"), nullptr);
    posted = 2; // region entered
    machine.PostEvent(testsupport::Event(2));
    machine.Update(0);
    ASSERT_NE(journal.Find("The meadow"), nullptr);
}

TEST_F(DemoWorldTest, TheEntityTemplatesLoadWithTheirPicturesFromTheArchives) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Data");
    const ScopedGameMachineFactory machines; // the gate's script
    ResFileMgr animations;
    ASSERT_TRUE(animations.Open(m_paths.GetAnimationResPath().c_str(), ResFileMgr::kRead));
    g_animationRes = &animations;
    std::filesystem::remove_all(m_world.Path("art"));
    ASSERT_TRUE(Graphic::InitScratch());
    GraphicMgr graphics;
    g_graphicMgr = &graphics;
    UniAnimationMgr pool;
    g_uniAnimationMgr = &pool;
    EntityMgr entities;
    for (const char* name : {"barrel", "signpost"}) {
        SCOPED_TRACE(name);
        Entity* entity = entities.CreateEntity(0, 0, 0, Entity::kTypeBase);
        ASSERT_TRUE(entity->LoadByName(name));
        ASSERT_NE(entity->GetGraphic(), nullptr);
        EXPECT_EQ(entity->GetScreenRect().h, entity->GetGraphic()->GetHeight());
        EXPECT_GT(entity->GetRadius(), 0.0f);
    }
    // The torch and the town show their animations; the gate, the patches of the map.
    const struct {
        int type;
        const char* name;
        int frames;
    } animated[] = {{Entity::kTypeCycle, "torch", 4}, {Entity::kTypeTown, "millbrook", 2}};
    for (const auto& a : animated) {
        SCOPED_TRACE(a.name);
        auto* entity = static_cast<QueuedEntity*>(entities.CreateEntity(0, 0, 0, a.type));
        ASSERT_TRUE(entity->LoadByName(a.name));
        EXPECT_EQ(entity->GetFrameCount(), a.frames);
        EXPECT_GT(entity->GetDisplayName().Length(), 0);
    }
    auto* gate = static_cast<DoorEntity*>(entities.CreateEntity(0, 0, 0, Entity::kTypeDoor));
    ASSERT_TRUE(gate->LoadByName("gate"));
    EXPECT_EQ(gate->GetMapObject().GetCells(BinaryMapObject::kStateClosed).size(), 8u);
    EXPECT_TRUE(gate->GetMapObject().ZoneContains(Vector(50, 40, 0)));
    g_uniAnimationMgr = nullptr;
    g_graphicMgr = nullptr;
    g_animationRes = nullptr;
    Graphic::FreeScratch();
}

TEST_F(DemoWorldTest, TheItemsLoadFromTheArchivesAndThePistolTakesItsBullets) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Data");
    ResFileMgr animations;
    ASSERT_TRUE(animations.Open(m_paths.GetAnimationResPath().c_str(), ResFileMgr::kRead));
    g_animationRes = &animations;
    std::filesystem::remove_all(m_world.Path("art"));
    UniAnimationMgr pool;
    g_uniAnimationMgr = &pool;
    const CreatureItemRules rules;
    EntityMgr entities;
    struct Expected {
        const char* name;
        uint32_t itemClass;
        int kind; // of the current ability
    };
    const Expected items[] = {{"sword", 101, 6},  {"pistol", 101, 5},   {"bullets", 106, 0},
                              {"shield", 112, 0}, {"greataxe", 101, 6}, {"gold", 115, 0},
                              {"potion", 109, 1}, {"bow", 101, 4},      {"arrows", 106, 0},
                              {"grenade", 101, 2}};
    std::vector<ItemEntity*> loaded;
    for (const Expected& expected : items) {
        SCOPED_TRACE(expected.name);
        auto* item = static_cast<ItemEntity*>(entities.CreateEntity(0, 0, 0, Entity::kTypeItem));
        ASSERT_TRUE(item->LoadByName(expected.name));
        EXPECT_EQ(item->GetItemClass(), expected.itemClass);
        EXPECT_EQ(item->GetKind(), expected.kind);
        EXPECT_GT(item->GetDisplayName().Length(), 0);
        ASSERT_TRUE(item->LoadIcon()); // the picture cropped to what is drawn
        EXPECT_GT(item->GetScreenRect().w, 8);
        EXPECT_LE(item->GetScreenRect().w, 24);
        EXPECT_LT(item->GetScreenRect().h, 15); // within one line of a backpack list
        ASSERT_TRUE(item->LoadIcon2());
        EXPECT_GT(item->GetScreenRect().w, 4);
        EXPECT_LE(item->GetScreenRect().w, 16);
        loaded.push_back(item);
    }
    EXPECT_TRUE(loaded[4]->GetFlagBit1()); // two-handed
    EXPECT_EQ(EffectList::Of(loaded[3]->GetEffects())->Count(), 1);
    ItemEntity* pistol = loaded[1];
    ItemEntity* bullets = loaded[2];
    EXPECT_EQ(bullets->GetCount(), 10);
    ASSERT_TRUE(pistol->AcceptsAmmunition(*bullets));
    ASSERT_TRUE(pistol->LoadAmmo(*bullets));
    EXPECT_EQ(pistol->GetCount(), 10);
    EXPECT_TRUE(pistol->IsFull());
    g_uniAnimationMgr = nullptr;
}

// The sets of the launcher's kinds the spells and weapons fire, the explosions, the nine
// definitions with the play screen's ids, and the art: sixteen ways for what flies, each
// animation named after its file.
TEST_F(DemoWorldTest, EverythingTheSpellsAndWeaponsFireLoadsFromTheArchives) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Data");
    ResFileMgr animations;
    ASSERT_TRUE(animations.Open(m_paths.GetAnimationResPath().c_str(), ResFileMgr::kRead));
    g_animationRes = &animations;
    const std::pair<int, int> sets[] = {{1, 1}, {3, 1}, {7, 1}, {8, 2}, {9, 3}, {10, 1}, {11, 1}};
    for (const auto& [kind, records] : sets) {
        ProjectileMgr set;
        ASSERT_TRUE(set.Load(ProjectileLauncher::GetKindName(kind))) << kind;
        EXPECT_EQ(set.CountRecords(), records) << kind;
    }
    for (const char* explosion : {"fire_ring", "green_gas_cloud"})
        EXPECT_TRUE(Explosion().Load(explosion)) << explosion;
    UniSpellMgr registry;
    ASSERT_TRUE(registry.LoadAll());
    for (uint32_t id : {4004u, 4005u, 4006u, 4007u, 2112u, 2213u, 2304u})
        EXPECT_NE(registry.GetAbility(id, nullptr), nullptr) << id;
    UniAnimationMgr pool;
    for (const char* set : {"Projectile/arrow", "Projectile/fireball", "Projectile/magic_missile",
                            "Projectile/stinking_cloud", "Projectile/grenade", "Misc/fire_centre",
                            "Misc/gas_cloud"}) {
        const Stringc path = m_paths.GetAnimDir() + "/" + set + "/misc_1.ani";
        const Animation* animation = pool.GetAnimation(path.c_str());
        ASSERT_NE(animation, nullptr) << set;
        EXPECT_EQ(animation->GetSequenceCount(), set[0] == 'P' ? 16 : 1) << set;
        // Named after its file, as the player that keeps one of the same name asks.
        EXPECT_STREQ(animation->GetName().c_str(), "misc_1") << set;
    }
}

} // namespace

namespace {

// The demo world built once for the tests of what the game's screens find in it.
class DemoWorldContent : public testsupport::DemoWorldSuite {
protected:
    void SetUp() override {
        ASSERT_TRUE(World().Built());
        ASSERT_TRUE(Graphic::InitScratch());
        g_dataPaths = &m_paths;
    }
    void TearDown() override {
        g_dataPaths = nullptr;
        g_generalRes = nullptr;
        Graphic::FreeScratch();
    }

    DataPaths m_paths{World().Root().c_str()};
};

// A label drawn in the font leaves more than the face and its two edge colours.
int CountColours(const Graphic& picture) {
    std::set<uint16_t> colours;
    for (long i = 0; i < static_cast<long>(picture.GetWidth()) * picture.GetHeight(); ++i)
        colours.insert(picture.GetData()[i]);
    return static_cast<int>(colours.size());
}

TEST_F(DemoWorldContent, EveryPictureOfTheTitleAndTheEditorsComesFromTheGeneralArchive) {
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(m_paths.GetGeneralResPath().c_str(), ResFileMgr::kRead));
    g_generalRes = &archive;
    m_paths.SetUseResourceFiles(true);
    const auto loads = [](const Stringc& path, Graphic& picture) {
        SCOPED_TRACE(path.c_str());
        EXPECT_TRUE(picture.Load(path.c_str(), false));
        return picture.GetWidth() > 0;
    };
    for (const char* splash : {"splash1.bmp", "tcv_txt_sym.tga", "tcv_txt_sym_small.tga"}) {
        Graphic picture;
        EXPECT_TRUE(loads(m_paths.GetGraphicDir() + "/splash/" + splash, picture));
    }
    for (const WindowLayout& layout :
         {MainPanel::MenuLayout(), EditGamePanel::MenuLayout(800, 600),
          AnimationEditor::MainLayout(), AnimationEditor::EditLayout(),
          GraphicOffsetCalc::MainLayout(), GraphicOffsetCalc::GraphicLayout(),
          EditorDirectoryBoxLayout()}) {
        Graphic window;
        EXPECT_TRUE(loads(m_paths.GetInterfaceDir() + "/" + layout.window.image, window));
        for (const WidgetEntry& widget : layout) {
            if (!*widget.image)
                continue;
            Graphic picture;
            ASSERT_TRUE(loads(m_paths.GetInterfaceDir() + "/" + widget.image, picture));
            if (widget.type == kWidgetButton && std::strlen(widget.label) > 1) {
                EXPECT_GT(CountColours(picture), 3) << widget.image;
            }
        }
    }
}

TEST_F(DemoWorldContent, TheConverterFindsTwoPicturesAndTwoSoundsAndTheRestConverted) {
    for (const char* picture : {"Area_001.jpg", "Area_002.jpg"}) {
        SDL_Surface* loaded = IMG_Load((m_paths.GetMapGraphicDir() + "/" + picture).c_str());
        ASSERT_NE(loaded, nullptr) << picture;
        EXPECT_EQ(loaded->w, 320);
        SDL_FreeSurface(loaded);
    }
    struct Sound {
        Stringc path;
        int channels;
        int rate;
    };
    for (const Sound& sound : {Sound{m_paths.GetSfxDir() + "/dog_bark1.ogg", 1, 22050},
                               Sound{m_paths.GetMusicDir() + "/rain1.ogg", 2, 44100}}) {
        platform::SoundPcm pcm;
        ASSERT_EQ(platform::DecodeSoundFile(sound.path.c_str(), pcm), kSoundErrNone)
            << sound.path.c_str();
        EXPECT_EQ(pcm.channels, sound.channels);
        EXPECT_EQ(pcm.frequency, sound.rate);
        EXPECT_GT(pcm.Frames(), 1000u);
    }
    int missing = 0;
    for (int i = 0; i < ImageDecompressor::kMapCount; ++i)
        missing += !FileObject(m_paths.GetMapGraphicDir() + "/Area_" +
                               ImageDecompressor::MapSuffix(i) + ".tga")
                        .Exists();
    for (int i = 0; i < ImageDecompressor::kSoundCount; ++i)
        missing += !FileObject(m_paths.GetSfxDir() + "/" + ImageDecompressor::SoundName(i) + ".wav")
                        .Exists();
    for (int i = 0; i < ImageDecompressor::kStreamCount; ++i)
        missing +=
            !FileObject(m_paths.GetMusicDir() + "/" + ImageDecompressor::StreamName(i) + ".wav")
                 .Exists();
    EXPECT_EQ(missing, 4); // the two pictures and the two sounds to convert
}

// The animation player keeps a playing animation when asked for one of the same name.
TEST_F(DemoWorldContent, EachItemIconAnimationIsNamedAfterItsFile) {
    for (const char* item : {"sword", "pistol", "bullets", "shield", "greataxe", "gold", "potion",
                             "bow", "arrows", "grenade"})
        for (const Stringc& set : {Stringc(item), Stringc(item) + "_map"}) {
            Animation icon;
            ASSERT_TRUE(icon.Load((m_paths.GetAnimDir() + "/Icons/" + set + "/misc_1.ani").c_str()))
                << set.c_str();
            EXPECT_STREQ(icon.GetName().c_str(), "misc_1") << set.c_str();
        }
}

// A weapon's attack and a spell's cast play the file their ability names in the body's set,
// and every carried item's set follows the body's file: each such file is drawn in the
// bodies' sets and in every carried item's, and no weapon leaves its attack without one.
TEST_F(DemoWorldContent, EveryAttackAndCastIsDrawnForEachBodyAndEachCarriedItem) {
    const CreatureItemRules rules;
    EntityMgr entities;
    std::set<std::string> carried;
    std::set<std::string> files = {"s0", "w0", "w1", "d0"};
    const std::filesystem::path templates(m_paths.GetEntityDir(Entity::kTypeItem).c_str());
    for (const auto& entry : std::filesystem::directory_iterator(templates)) {
        const std::string name = entry.path().stem().string();
        auto* item = static_cast<ItemEntity*>(entities.CreateEntity(0, 0, 0, Entity::kTypeItem));
        ASSERT_TRUE(item->LoadByName(name.c_str())) << name;
        const OwnedSlots<ItemAbilityLink>& abilities = item->GetAbilities();
        for (int slot = 0; slot < abilities.GetCount(); ++slot) {
            const ItemAbility* ability = ItemAbility::Of(abilities.Get(slot));
            const std::string art = ability ? ability->GetAnimationName().c_str() : "";
            EXPECT_TRUE(item->GetItemClass() != ItemEntity::kClassWeapon || !art.empty()) << name;
            if (!art.empty()) {
                carried.insert(art);
                files.insert(art);
            }
        }
    }
    ASSERT_GE(carried.size(), 2u);
    UniSpellMgr spells;
    ASSERT_TRUE(spells.LoadAll());
    for (uint32_t id : {4001u, 4002u, 4004u, 4005u, 4006u, 4007u, 2112u, 2213u, 2304u}) {
        const Spell* spell = spells.FindSpell(id);
        ASSERT_NE(spell, nullptr) << id;
        if (spell->GetAnimationSet().Length() > 0)
            files.insert(spell->GetAnimationSet().c_str());
    }
    std::vector<std::string> sets = {"Char/chmf4", "Char/cshd", "Creat/scimale"};
    for (const std::string& art : carried)
        sets.push_back("Item/" + art);
    for (const std::string& set : sets)
        for (const std::string& file : files)
            EXPECT_TRUE(
                FileObject(m_paths.GetAnimDir() + "/" + set.c_str() + "/" + file.c_str() + ".ani")
                    .Exists())
                << set << "/" << file;
}

// The pistol's shot lands on the trigger frame of its file, as the sword's blow does, in the
// bodies' sets and the carried items'. A carried item's frame flagged above the body's goes
// behind the body (drawn first); the carried pistol does so in exactly the frames the sword
// does, in every file both carry.
TEST_F(DemoWorldContent, ThePistolsShotLandsOnItsTriggerFrameAndItsLayeringIsTheSwords) {
    const std::string sword = CreatureArt::kSwordArt;
    const std::string pistol = CreatureArt::kPistolArt;
    const auto load = [this](const std::string& set, const std::string& file,
                             Animation& animation) {
        return animation.Load(
            (std::string(m_paths.GetAnimDir().c_str()) + "/" + set + "/" + file + ".ani").c_str());
    };
    for (const std::string& set : {std::string("Char/chmf4"), std::string("Char/cshd"),
                                   std::string("Creat/scimale"), "Item/" + sword, "Item/" + pistol})
        for (const std::string& file : {sword, pistol}) {
            SCOPED_TRACE(set + "/" + file);
            Animation attack;
            ASSERT_TRUE(load(set, file, attack));
            EXPECT_EQ(attack.GetTriggerFrameA(),
                      static_cast<uint32_t>(CreatureArt::kAttackTrigger));
            EXPECT_LT(attack.GetTriggerFrameA(), static_cast<uint32_t>(attack.GetFrameCount()));
        }

    int behind = 0, before = 0;
    for (const std::string body : {"Char/chmf4", "Creat/scimale"})
        for (const std::string& file : {std::string("s0"), std::string("w0"), std::string("w1"),
                                        std::string("d0"), sword, pistol}) {
            SCOPED_TRACE(body + "/" + file);
            Animation figure, heldSword, heldPistol;
            ASSERT_TRUE(load(body, file, figure));
            ASSERT_TRUE(load("Item/" + sword, file, heldSword));
            ASSERT_TRUE(load("Item/" + pistol, file, heldPistol));
            for (const Animation* held : {&heldSword, &heldPistol}) {
                ASSERT_EQ(held->GetSequenceCount(), figure.GetSequenceCount());
                ASSERT_EQ(held->GetFrameCount(), figure.GetFrameCount());
            }
            for (int sequence = 0; sequence < figure.GetSequenceCount(); ++sequence)
                for (int frame = 0; frame < figure.GetFrameCount(); ++frame) {
                    const int bodyFlag = figure.GetFrameFlag(sequence, frame);
                    const bool swordBehind = heldSword.GetFrameFlag(sequence, frame) > bodyFlag;
                    EXPECT_EQ(heldPistol.GetFrameFlag(sequence, frame) > bodyFlag, swordBehind)
                        << "direction " << sequence << ", frame " << frame;
                    ++(swordBehind ? behind : before);
                }
        }
    EXPECT_GT(behind, 0);
    EXPECT_GT(before, 0);
}

TEST_F(DemoWorldContent, TheWalkingFigureIsEightDirectionsOf8BitFramesOnMagenta) {
    struct Folder {
        const char* name;
        int frames;
    };
    for (const Folder& folder : {Folder{"walk", 48}, Folder{"stand", 8}}) {
        SCOPED_TRACE(folder.name);
        DirectoryList listing;
        listing.SetPattern("*.bmp");
        const std::unique_ptr<Stringc> bitmaps =
            listing.Scan(m_paths.GetAnimDir() + "/Walker/" + folder.name);
        ASSERT_NE(bitmaps, nullptr);
        EXPECT_EQ(bitmaps->ChainCount(), folder.frames);
        SDL_Surface* first = SDL_LoadBMP(bitmaps->c_str());
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->format->BytesPerPixel, 1);
        const SDL_Color key = first->format->palette->colors[Screen::GetPixel(first, 0, 0)];
        EXPECT_EQ(key.r, 255);
        EXPECT_EQ(key.g, 0);
        EXPECT_EQ(key.b, 255);
        SDL_FreeSurface(first);
    }
}

// The overview shows each cell in the colour its ground is drawn in on the map, give or
// take the ground's grain; only scenery (the wall's face, the house, the chest) differs.
TEST_F(DemoWorldContent, TheMinimapShowsEachCellInItsGroundsColour) {
    SDL_Surface* minimap = SDL_LoadBMP((m_paths.GetMapGraphicDir() + "/demo_MM.bmp").c_str());
    SDL_Surface* picture = IMG_Load((m_paths.GetMapGraphicDir() + "/demo.tga").c_str());
    ASSERT_NE(minimap, nullptr);
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(minimap->format->BytesPerPixel, 1);
    int matching = 0, sampled = 0;
    for (int y = 0; y < minimap->h; ++y)
        for (int x = 0; x < minimap->w; ++x) {
            const int column = x * 100 / minimap->w, row = y * 100 / minimap->h;
            const SDL_Color shown =
                minimap->format->palette->colors[Screen::GetPixel(minimap, x, y)];
            Uint8 r = 0, g = 0, b = 0;
            SDL_GetRGB(Screen::GetPixel(picture, column * 16 + 8, row * 12 + 6), picture->format,
                       &r, &g, &b);
            ++sampled;
            matching += std::abs(shown.r - r) <= 12 && std::abs(shown.g - g) <= 12 &&
                        std::abs(shown.b - b) <= 12;
        }
    EXPECT_GT(matching, sampled * 3 / 4);
    SDL_FreeSurface(minimap);
    SDL_FreeSurface(picture);
}

// The first map comes from the general archive; its map image stays a loose file, from
// which the tiles are read.
TEST_F(DemoWorldTest, TheFirstMapLoadsFromTheGeneralArchive) {
    ReadFromArchive(&DataPaths::GetGeneralResPath, g_generalRes, "Data");
    TileMap map(m_paths, &m_archive);
    ASSERT_TRUE(map.Load("demo"));

    EXPECT_EQ(map.GetWidth(), 100);
    EXPECT_EQ(map.GetHeight(), 100);
    EXPECT_EQ(map.GetScrollBounds(), (Rect{0, 0, 1600, 1200})); // larger than any view
    EXPECT_STREQ(map.GetImageName(TileMap::kMapImage).c_str(), "demo.tga");
    ASSERT_NE(map.GetMapImage(), nullptr);
    EXPECT_EQ(map.GetMapImage()->Size(), 18 + 1600 * 1200 * 2);
    std::set<int> types;
    int water = 0, walls = 0;
    for (int y = 0; y < map.GetHeight(); ++y)
        for (int x = 0; x < map.GetWidth(); ++x) {
            int type = -1;
            ASSERT_TRUE(map.GetTileType(x, y, type));
            types.insert(type);
            EXPECT_EQ(map.IsWater(x, y), type == 7) << x << ", " << y; // the pond's deep water
            EXPECT_EQ(map.IsWalkable(x, y), type < 6);                 // as the editor saves it
            water += map.IsWater(x, y);
            walls += type == 11;
        }
    EXPECT_EQ(types.size(), 12u);
    EXPECT_GT(water, 50);
    EXPECT_GT(walls, 100);
    EXPECT_GT(map.GetClipMap().CountSpans(), 1000); // the wall's face and the house front
    EXPECT_EQ(map.GetClipMap().GetColumns(), 1600u);

    MemStream minimap(kStreamReadBinary);
    EXPECT_EQ(m_archive.Load("art/graphic/map/demo_mm.bmp", minimap), ResFileMgr::kResOk);
}

// The layers the map was saved with build the same cells again.
TEST_F(DemoWorldTest, TheSavedLayersBuildTheSameMap) {
    ASSERT_TRUE(m_world.Built());
    TileMap saved(m_paths, nullptr);
    ASSERT_TRUE(saved.Load("demo"));
    ASSERT_TRUE(Graphic::InitScratch());
    TileMap rebuilt(m_paths, nullptr);
    ASSERT_TRUE(rebuilt.CreateLayers("demo.tga"));
    Graphic::FreeScratch();
    rebuilt.ResetCellStates();
    for (long cell = 0; cell < saved.GetGrid().CellCount(); ++cell)
        for (int word = 0; word < 3; ++word)
            ASSERT_EQ(rebuilt.GetGrid().AtIndex(cell).words[word],
                      saved.GetGrid().AtIndex(cell).words[word])
                << cell;
    EXPECT_EQ(StoredForm(rebuilt.GetClipMap()), StoredForm(saved.GetClipMap()));
}

// The largest view over the pond and the wall, drawn with the sea and the fog of war: the
// west of the map unexplored, everything else explored and in view. Saved as "view.bmp".
TEST_F(DemoWorldTest, TheDemoMapsViewShowsItsWaterAndFog) {
    ASSERT_TRUE(m_world.Built());
    ASSERT_TRUE(Graphic::InitScratch());
    GameMode clock;
    WaterMgr water(m_paths, nullptr, clock);
    TileMap map(m_paths, nullptr);
    ASSERT_TRUE(map.Load("demo"));
    map.SetWater(&water);
    map.SetViewSize(TileMap::kLargestView);
    map.CentreViewOn(Vector(28, 56, 0));
    constexpr int kUnexploredColumns = 8;
    for (int y = 0; y < map.GetHeight(); ++y)
        for (int x = kUnexploredColumns; x < map.GetWidth(); ++x) {
            map.SetExplored(x, y, true);
            map.SetInView(x, y, true);
        }
    std::vector<uint16_t> pixels(800 * 600, 0);
    const PixelSurface surface{pixels.data(), 800, 600, 800};
    g_graphicClipRect = map.GetViewRect();
    ASSERT_TRUE(map.DrawTiles(surface, TileMap::kFogOfWar));
    SDL_Surface* shot =
        SDL_CreateRGBSurfaceFrom(pixels.data(), 800, 600, 16, 1600, 0xF800, 0x07E0, 0x001F, 0);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(SDL_SaveBMP(shot, m_world.Path("view.bmp").c_str()), 0);
    SDL_FreeSurface(shot);

    // Each cell as the map image and the pictures hold it, against the screen.
    const Stringc mapDir = m_paths.GetMapGraphicDir();
    const auto screenAt = [&](int column, int row, int x, int y) {
        int left = 0, top = 0;
        WorldToPixel(map, Vector(static_cast<float>(column), static_cast<float>(row), 0), left,
                     top);
        return pixels[static_cast<size_t>((top + y) * 800 + left + x)];
    };
    const auto imageAt = [&](const char* name, int x, int y) {
        Graphic image;
        EXPECT_TRUE(image.LoadFile((mapDir + name).c_str(), false)) << name;
        return image.GetData() ? image.GetData()[y * image.GetWidth() + x] : uint16_t{0};
    };
    const auto mapAt = [&](int x, int y) {
        Graphic pixel;
        EXPECT_TRUE(
            pixel.LoadTgaRegion((mapDir + "/demo.tga").c_str(), Rect::Make(x, y, x + 1, y + 1)));
        return pixel.GetData() ? pixel.GetData()[0] : uint16_t{0};
    };
    // The pond's middle, cell (28, 68): the calm sea's first picture on the checkerboard,
    // at the block of column 28 mod 4 and row 68 mod 3; the map's own blue between.
    ASSERT_TRUE(map.IsWater(28, 68));
    for (auto [x, y] : {std::pair{0, 0}, {3, 1}, {8, 6}})
        EXPECT_EQ(screenAt(28, 68, x, y), imageAt("/misc/water_ocean_0006.tga", x, 24 + y));
    EXPECT_EQ(screenAt(28, 68, 1, 0), mapAt(28 * 16 + 1, 68 * 12));
    // The wall's face above cell (20, 39), as the map image draws it.
    for (auto [x, y] : {std::pair{0, 0}, {7, 5}, {15, 11}})
        EXPECT_EQ(screenAt(20, 37, x, y), mapAt(20 * 16 + x, 37 * 12 + y));
    // An unexplored cell shows the fog alone.
    for (auto [x, y] : {std::pair{0, 0}, {5, 7}})
        EXPECT_EQ(screenAt(kUnexploredColumns - 1, 50, x, y),
                  imageAt("/misc/fow_unexplored.tga", x, y));
    Graphic::FreeScratch();
}

} // namespace
