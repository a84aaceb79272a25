// gametrace DEMO_WORLD [FRAMES] [CREATURES] [turnover]: plays the demo map headless from a
// fixed seed on a fixed 33 ms clock, with the player's member and CREATURES creatures placed
// at random, and prints one hash a frame of what the game did: every entity's place, flags
// and command, the draw lists' order, the random draws made and the frame's pixels.
// Creatures with nothing to do are given work: the hostile ones attack a neutral one each,
// the others wander. With "turnover", creatures of the crowd are also freed and made again
// in their slots while it plays. Two builds that print the same lines played the same game;
// the first differing line says in which frame they parted.
//
// The start-up seeds the random generator from the time of day, and what is built during
// it (the rain's drops) draws from it at once: this program's own time of day is fixed,
// so those draws repeat too.

#include "Library/graphics/screen.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Library/world/world_object.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_behaviour.h"
#include "Source/creatures/creature_command.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/world/region_mgr.h"
#include "platform/win_rand.h"
#include "tools/democrowd/demo_crowd.h"
#include "tools/democrowd/stepped_clock.h"
#include "tools/gametrace/crowd_turnover.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

constexpr uint32_t kFrameMs = 33;
constexpr unsigned kSeed = 20261207;

class Hash {
public:
    void Add(const void* bytes, size_t size) {
        const auto* at = static_cast<const unsigned char*>(bytes);
        for (size_t i = 0; i < size; ++i)
            m_value = (m_value ^ at[i]) * 0x100000001b3ull;
    }
    template <class T> void Add(const T& value) { Add(&value, sizeof value); }
    uint64_t Value() const { return m_value; }

private:
    uint64_t m_value = 0xcbf29ce484222325ull;
};

void AddVector(Hash& hash, const Vector& vector) {
    hash.Add(vector.x);
    hash.Add(vector.y);
    hash.Add(vector.z);
}

void AddEntities(Hash& hash) {
    for (int pool = 0; pool < EntityMgr::kPoolCount; ++pool) {
        const int type = EntityMgr::TypeOfPool(pool);
        for (int slot = 0; slot < g_entityMgr->GetSlotCount(type); ++slot) {
            if (!g_entityMgr->IsSlotUsed(type, slot))
                continue;
            Entity* entity = g_entityMgr->GetEntity(type, slot);
            hash.Add(type);
            hash.Add(slot);
            AddVector(hash, entity->GetPosition());
            hash.Add(entity->GetFlags());
            auto* soldier = dynamic_cast<SoldierEntity*>(entity);
            if (!soldier)
                continue;
            if (Creature* creature = Creature::Of(soldier))
                hash.Add(creature->GetData().GetHitPoints());
            const auto* behaviour = dynamic_cast<const CreatureBehaviour*>(soldier->GetBehaviour());
            const CreatureCommand* command = behaviour ? behaviour->GetCommand() : nullptr;
            hash.Add(command ? command->GetId() : 0xFFFFFFFFu);
            if (command) {
                hash.Add(command->GetState());
                hash.Add(command->GetOutcome());
            }
            hash.Add(soldier->GetBehaviour() ? soldier->GetBehaviour()->GetStatus() : 0xFF);
        }
    }
}

void AddDrawLists(Hash& hash) {
    for (int list = 0; list <= TileMap::kFifthList; ++list)
        for (const WorldObject* object = g_tileMap->GetList(static_cast<TileMap::ObjectList>(list));
             object; object = object->GetNext()) {
            hash.Add(object->GetKind());
            hash.Add(object->GetId());
            hash.Add(object->GetSortKey());
        }
}

void AddFrameBuffer(Hash& hash) {
    const PixelSurface& surface = g_screen->GetSurface();
    hash.Add(surface.pixels, static_cast<size_t>(surface.width) * surface.height *
                                 sizeof surface.pixels[0]);
}

} // namespace

extern "C" time_t time(time_t* out) {
    constexpr time_t kFixedTime = 1796601600; // 2026-12-07
    if (out)
        *out = kFixedTime;
    return kFixedTime;
}

int main(int argc, char** argv) {
    const bool turnover = argc == 5 && std::strcmp(argv[4], "turnover") == 0;
    if (argc < 2 || argc > 5 || (argc == 5 && !turnover)) {
        std::fprintf(stderr, "usage: gametrace DEMO_WORLD [FRAMES] [CREATURES] [turnover]\n");
        return 2;
    }
    const int frames = argc > 2 ? std::atoi(argv[2]) : 2000;
    const int creatures = argc > 3 ? std::atoi(argv[3]) : 200;
    if (::chdir(argv[1]) != 0) {
        std::fprintf(stderr, "gametrace: cannot enter %s\n", argv[1]);
        return 1;
    }
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!Main::Init(0, 16, 0.0)) {
        std::fprintf(stderr, "gametrace: the game does not start\n");
        return 1;
    }
    Loops::SetUp();
    platform::SeedRand(kSeed); // after the start-up's own seeding from the time of day
    SteppedClock clock;
    g_gameMode->SetTickSource(clock);
    int status = 0;
    DemoCrowd crowd;
    CrowdTurnover freeAndMake;
    if (!g_tileMap->Load("demo") || !g_regionMgr->LoadRegFile("demo", nullptr) ||
        !crowd.Place(creatures)) {
        std::fprintf(stderr, "gametrace: the demo map cannot be played\n");
        status = 1;
    } else {
        g_gameMode->SetMode(kModeAreaMap);
        for (int frame = 0; frame < frames; ++frame) {
            if (turnover && !freeAndMake.Step(frame)) {
                std::fprintf(stderr, "gametrace: frame %d: a freed creature not made again\n",
                             frame);
                status = 1;
                break;
            }
            crowd.GiveWork(true);
            clock.Step(kFrameMs);
            Main::RunFrame();
            Hash entities, lists, pixels;
            AddEntities(entities);
            AddDrawLists(lists);
            AddFrameBuffer(pixels);
            const int draw = platform::Rand(); // a draw more or fewer anywhere shows here
            std::printf("frame %d mode %d entities %016llx lists %016llx pixels %016llx draw %d\n",
                        frame, g_gameMode->GetModeId(),
                        static_cast<unsigned long long>(entities.Value()),
                        static_cast<unsigned long long>(lists.Value()),
                        static_cast<unsigned long long>(pixels.Value()), draw);
        }
    }
    Main::Shutdown();
    SDL_Quit();
    return status;
}
