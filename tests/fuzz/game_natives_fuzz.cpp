// The whole game on the demo map, its script machines calling every native with what a
// script may hand it: the input is a list of calls, each an owner's machine (the region's,
// the party leader's, a scientist's or the chest's), a category, a number and the
// arguments, drawn from the extremes (NaN, infinities, the largest, negative, zero) and
// from names the demo world holds. Each call is the program of its machine, run as a
// script runs, and a frame follows. After every frame the game must be whole: each
// creature on the map at a finite place, the party within its six live members, the map
// never left without a party, and the call with its frame done within bounded time.

#include "Library/world/game_mode.h"
#include "Library/world/mode_pages.h"
#include "Library/world/tile_map.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/screens/game_play_panel.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"
#include "platform/win_rand.h"
#include "tools/democrowd/stepped_clock.h"
#include "tools/scriptbuilder/script_builder.h"

#include <unistd.h>

#include <array>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kFrameMs = 33;
constexpr unsigned kSeed = 20261207;
constexpr size_t kStepBytes = 7;
constexpr size_t kMostSteps = 8;
constexpr int kFramesAfter = 2;
constexpr int kMostFramesWithoutParty = 2;
constexpr double kMostStepSeconds = 3.0; // one call and its frame; a normal one takes ms
constexpr const char* kCharacter = "if_idyl_player_tutorial";
constexpr const char* kScientist = "scimale_hostile";

const double kInf = INFINITY;
const double kNumbers[16] = {NAN,  kInf, -kInf, DBL_MAX, -DBL_MAX, 3e9,  -3e9, 65536,
                             -1.0, 0.0,  1.0,   2.0,     7.0,      2213, 4006, 0.5};
const float kFlInf = INFINITY;
const Vector kPoints[16] = {Vector(NAN, NAN, NAN),
                            Vector(kFlInf, -kFlInf, 0),
                            Vector(-kFlInf, kFlInf, kFlInf),
                            Vector(FLT_MAX, FLT_MAX, 0),
                            Vector(-FLT_MAX, -FLT_MAX, 0),
                            Vector(3e9f, -3e9f, 0),
                            Vector(-1, -1, -1),
                            Vector(0, 0, 0),
                            Vector(100, 100, 0),
                            Vector(99.99f, 99.99f, 0),
                            Vector(49.5f, 43, 0),
                            Vector(50, 60, 0),
                            Vector(51, 44, FLT_MAX),
                            Vector(NAN, 43, 0),
                            Vector(49.5f, kFlInf, 0),
                            Vector(49.5f, NAN, 0)};
const std::string kLong(300, 'x');
const char* const kTexts[16] = {"",
                                kScientist,
                                "scimale_neutral",
                                kCharacter,
                                "demo",
                                "demo2",
                                "gate",
                                "world",
                                "pistol",
                                "greataxe",
                                "bullets",
                                "wizard_fireball",
                                kLong.c_str(),
                                "../../escape",
                                "item_money",
                                "a.b.c"};
const char* const kNames[4] = {kCharacter, kScientist, "scimale_neutral", ""};

// The numbers of the actions, the script interface's.
std::vector<int> ActionNumbers() {
    std::vector<int> numbers;
    const std::pair<int, int> ranges[] = {{0, 113},   {212, 222}, {224, 225}, {250, 254},
                                          {317, 333}, {400, 403}, {500, 507}};
    for (const auto& [low, high] : ranges)
        for (int number = low; number <= high; ++number)
            numbers.push_back(number);
    return numbers;
}

// One call as the input gives it, in seven bytes: the owner (low two bits: region, leader,
// scientist, chest; above: the creature's script slot), the category, the number (two
// bytes, big end first) and three bytes of arguments: the numbers alternate between two
// values, the points are two, the texts run on from one and the references are two.
struct Step {
    uint8_t owner, category, high, low, numbers, points, names;

    std::string Bytes() const {
        return std::string{static_cast<char>(owner),   static_cast<char>(category),
                           static_cast<char>(high),    static_cast<char>(low),
                           static_cast<char>(numbers), static_cast<char>(points),
                           static_cast<char>(names)};
    }
};

Step ReadStep(const uint8_t* at) {
    return Step{at[0], at[1], at[2], at[3], at[4], at[5], at[6]};
}

EntityRef Named(const char* name) {
    EntityRef ref;
    ref.SetName(name);
    return ref;
}

ScriptFuncHeader Record(const Step& step) {
    static const std::vector<int> actions = ActionNumbers();
    static const int32_t categories[8] = {kCallLatent,    kCallLatent, kCallLatent,
                                          kCallQuery,     kCallQuery,  kCallEventTest,
                                          kCallImmediate, kCallDropped};
    const int32_t category = categories[step.category % 8];
    const int value = step.high << 8 | step.low;
    int32_t number = value;
    if (category == kCallLatent)
        number = actions[static_cast<size_t>(value) % actions.size()];
    else if (category == kCallQuery)
        number = value % 73;
    else if (category == kCallEventTest)
        number = value % 24;
    else if (category == kCallImmediate)
        number = value % 3;
    ScriptFuncHeader record;
    record.SetTypeAndId(category, number);
    record.SetReserved(step.low % 4);
    for (int index = 0; index < 7; ++index)
        record.AddNumber(kNumbers[index % 2 == 0 ? step.numbers & 15 : step.numbers >> 4]);
    for (int index = 0; index < 3; ++index)
        record.AddString(kTexts[((step.names & 15) + 2 * index) & 15]);
    record.AddObject(Named(kNames[(step.names >> 4) & 3]));
    record.AddObject(Named(kNames[step.names >> 6]));
    record.AddVector(kPoints[step.points & 15]);
    record.AddVector(kPoints[step.points >> 4]);
    return record;
}

void Fail(const char* what, double detail = 0.0) {
    std::fprintf(stderr, "game natives: %s (%g)\n", what, detail);
    std::abort();
}

class FuzzGame {
public:
    FuzzGame() : m_world(FuzzDirectory("world")) {
        const std::string build = std::string(FUZZ_DEMOWORLD) + " " + m_world + " > /dev/null";
        if (std::system(build.c_str()) != 0)
            Fail("the demo world cannot be built");
        char here[4096];
        if (::getcwd(here, sizeof here) == nullptr)
            Fail("the fuzzer's directory is gone");
        m_home = here;
        ::setenv("SDL_VIDEODRIVER", "dummy", 0);
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
        Start();
    }

    // The party of one at the demo map's gate, a scientist beside it, the draws repeating.
    void Reset() {
        if (g_quit || g_loadSaveMgr->IsShowingErrorBox() || !EnterDemoMap()) {
            Main::Shutdown();
            SDL_Quit();
            Start();
            if (!EnterDemoMap())
                Fail("the demo map cannot be entered");
        }
        platform::SeedRand(kSeed);
    }

    void Run(const Step& step) {
        const auto start = std::chrono::steady_clock::now();
        if (ScriptMachine* machine = MachineOf(step.owner)) {
            const ScriptFuncHeader record = Record(step);
            ScriptBuilder script("call");
            script.Call(record);
            if (record.GetType() == kCallQuery || record.GetType() == kCallEventTest)
                script.JumpIfFalse("end");
            script.Label("end").End();
            GameVirtualMachine* game = GameVirtualMachine::Of(*machine);
            if (game != nullptr &&
                game->SetProgram(script.GetHeaders(), script.GetInstructions())) {
                game->PostStartEvent();
                game->Update(0);
            }
        }
        Frame();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (took.count() > kMostStepSeconds)
            Fail("a call and its frame took seconds", took.count());
    }

    void Frame() {
        m_clock.Step(kFrameMs);
        Main::RunFrame();
        CheckCreaturesOnMap();
        CheckParty();
    }

private:
    // The game takes its root from the working directory and keeps it; the fuzzer's corpus
    // and reproducers stay where they were.
    void Start() {
        if (::chdir(m_world.c_str()) != 0)
            Fail("the demo world cannot be entered");
        const bool started = Main::Init(0, 16, 0.0);
        if (::chdir(m_home.c_str()) != 0 || !started)
            Fail("the game does not start");
        Loops::SetUp();
        g_gameMode->SetTickSource(m_clock);
        Frame(); // the title menu
    }

    bool EnterDemoMap() {
        g_partyMgr->ReleaseAll();
        g_loadSaveMgr->ClearWorkingFiles();
        if (!g_partyMgr->AddCharacterByName(kCharacter))
            return false;
        g_loadSaveMgr->RequestPageToMap("demo", "gate");
        Frame();
        return g_gameMode->GetModeId() == kModeAreaMap && PlaceScientist();
    }

    static bool PlaceScientist() {
        SoldierEntity* leader = g_partyMgr->GetLeaderSoldier();
        return leader != nullptr &&
               CreateCreature(*g_entityMgr, kScientist, leader->GetPosition(), 0) != nullptr;
    }

    // Found again for each call: calls release entities and change maps.
    static ScriptMachine* MachineOf(uint8_t owner) {
        if (g_entityMgr == nullptr)
            return nullptr;
        const int slot = (owner >> 2) % (SoldierEntity::kEventSlots + 1);
        switch (owner & 3) {
        case 1:
            if (SoldierEntity* leader = g_partyMgr->GetLeaderSoldier())
                return &leader->GetScriptSlot(slot);
            return nullptr;
        case 2:
            if (Entity* scientist = g_entityMgr->FindByName(Entity::kTypeSoldier, kScientist))
                return &static_cast<SoldierEntity*>(scientist)->GetScriptSlot(slot);
            return nullptr;
        case 3: {
            MapObject* chest = nullptr;
            if (g_entityMgr->IsSlotUsed(Entity::kTypeContainerMap, 0) &&
                Entity::GetMapObject(g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0), &chest))
                return &chest->GetScript();
            return nullptr;
        }
        default:
            return &g_entityMgr->GetRegionScript();
        }
    }

    // Only the leader is placed on the world map: the others' places are the last map's.
    static void CheckCreaturesOnMap() {
        const int mode = g_gameMode->GetModeId();
        if (g_entityMgr == nullptr || (mode != kModeAreaMap && mode != kModeWorldMap))
            return;
        if (g_tileMap->GetWidth() == 0)
            Fail("a map's mode runs on no map");
        if (mode != kModeAreaMap)
            return;
        const float width = static_cast<float>(g_tileMap->GetWidth());
        const float height = static_cast<float>(g_tileMap->GetHeight());
        for (int slot = 0; slot < g_entityMgr->GetSlotCount(Entity::kTypeSoldier); ++slot) {
            if (!g_entityMgr->IsSlotUsed(Entity::kTypeSoldier, slot))
                continue;
            const Vector& at = g_entityMgr->GetEntity(Entity::kTypeSoldier, slot)->GetPosition();
            if (!std::isfinite(at.x) || !std::isfinite(at.y))
                Fail("a creature stands at no finite place", at.x);
            if (at.x <= -1.0f || at.y <= -1.0f || at.x > width || at.y > height) {
                std::fprintf(stderr, "at %g, %g on %s of %g x %g\n", at.x, at.y,
                             g_loadSaveMgr->GetMapName().c_str(), width, height);
                Fail("a creature stands off the map", at.x);
            }
        }
    }

    // A freed member's slot may hold a creature made since in the same frame, which never
    // joined: it is live but not flagged as a member.
    void CheckParty() {
        const int count = g_partyMgr->GetCount();
        if (count < 0 || count > PartyMgr::kMaxMembers)
            Fail("the party counts members it cannot hold", count);
        if (g_entityMgr == nullptr || g_gameMode->GetModeId() != kModeAreaMap) {
            m_framesWithoutParty = 0;
            return;
        }
        for (int slot = 0; slot < count; ++slot) {
            const SoldierEntity* member = g_partyMgr->GetSlot(slot);
            if (!g_entityMgr->IsSoldierLive(member) ||
                !member->HasAnyFlag(Entity::kFlagPartyMember))
                Fail("a party member is no live creature of the map", slot);
        }
        // The play screen ends the game on its next frame unless a message waits for the
        // player; the mode changes on the frame after.
        const auto* play = dynamic_cast<const GamePlayPanel*>(Loops::GetModePages().GetPage());
        const bool waiting = play != nullptr && play->GetHudState() == GamePlayPanel::kMessageShown;
        m_framesWithoutParty = count == 0 && !waiting ? m_framesWithoutParty + 1 : 0;
        if (m_framesWithoutParty > kMostFramesWithoutParty)
            Fail("the map is left without a party", m_framesWithoutParty);
    }

    std::string m_world;
    std::string m_home;
    SteppedClock m_clock;
    int m_framesWithoutParty = 0;
};

FuzzGame& Game() {
    static FuzzGame game;
    return game;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    Game(); // its world written and the game started before any input's time is counted
    const uint8_t kRegion = 0, kLeaderSlot0 = 1, kScientistSlot0 = 2, kScientistSlot1 = 2 | 1 << 2;
    const uint8_t kAction = 0;
    // Points 0 to 5 are NaN, infinite and far; numbers 7 and 1 are 65536 and infinity.
    const auto action = [](uint8_t owner, int number, uint8_t numbers, uint8_t points,
                           uint8_t names) {
        const std::vector<int> actions = ActionNumbers();
        int index = 0;
        while (actions[static_cast<size_t>(index)] != number)
            ++index;
        return Step{
            owner,  kAction, static_cast<uint8_t>(index >> 8), static_cast<uint8_t>(index), numbers,
            points, names}
            .Bytes();
    };
    const uint8_t leaderRef = 0x00, gatePoint = 10, nowhereDown = 15, scientistName = 1;
    const uint8_t gateScriptName = 6;
    return {
        // Walking, guarding and following toward NaN and the far corners.
        action(kScientistSlot0, 5, 0x00, 0x01, 0) + action(kScientistSlot0, 23, 0x11, 0x00, 0) +
            action(kScientistSlot0, 501, 0x00, 0x00, leaderRef),
        // A text floated far off.
        action(kRegion, 113, 0x00, 0x05, 0),
        // A scientist that leaves the party whenever its first slot runs joins from its
        // second; the party is placed at the gate.
        action(kScientistSlot0, 12, 0, 0, 0) + action(kScientistSlot1, 11, 0, 0, 0) +
            action(kRegion, 95, 0, gatePoint, 0),
        // A spell learnt with 65536 charges, all ready.
        action(kScientistSlot0, 71, 0x77, 0, 0),
        // A scientist that joins frees itself; another is made at the gate.
        action(kScientistSlot1, 11, 0, 0, 0) + action(kScientistSlot0, 85, 0, 0, 0) +
            action(kRegion, 82, 0, gatePoint, scientistName),
        // The party's only member frees itself.
        action(kLeaderSlot0, 85, 0, 0, 0),
        // A journey to the world map of no name.
        action(kRegion, 221, 0, 0, 0),
        // The leader teleported to no place, twice, and a scientist made there.
        action(kLeaderSlot0, 83, 0, 0x00, leaderRef) +
            action(kLeaderSlot0, 83, 0, 0x01, leaderRef) +
            action(kRegion, 82, 0, 0x00, scientistName),
        // The same at a place whose x alone is a number.
        action(kLeaderSlot0, 83, 0, nowhereDown, leaderRef) +
            action(kRegion, 82, 0, nowhereDown, scientistName),
        // A new game from the map whose start script, the gate's, asks for no page or map.
        action(kRegion, 88, 0, 0, gateScriptName),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t steps = std::min(size / kStepBytes, kMostSteps);
    if (steps == 0)
        return 0;
    FuzzGame& game = Game();
    game.Reset();
    for (size_t step = 0; step < steps; ++step)
        game.Run(ReadStep(data + step * kStepBytes));
    for (int frame = 0; frame < kFramesAfter; ++frame)
        game.Frame();
    return 0;
}
