// Stored game clocks as the player data holds them, each then ticked at every speed through
// the day's phases.

#include "Library/core/game_mode_id.h"
#include "Library/scripts/global_timer_table.h"
#include "Source/world/game_clock.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const GameClock& clock) {
    return WrittenBytes([&](Stream& stream) { return clock.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    GlobalTimerTable gameTime, realTime;
    GameClock evening(gameTime, realTime);
    evening.SetDateTime(999, 59, 59, 18, 31, 12, 2001);
    evening.Tick(33, kModeAreaMap);
    return {Stored(evening), Stored(GameClock(gameTime, realTime))};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    GlobalTimerTable gameTime, realTime;
    GameClock clock(gameTime, realTime);
    if (!clock.Load(input))
        return 0;
    const std::string stored = Stored(clock);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    GameClock reread(gameTime, realTime);
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort(); // a record reads back as itself

    for (int speed = -1; speed <= 6; ++speed) {
        clock.SetSpeedMode(speed);
        clock.Tick(33, kModeAreaMap);
        clock.GetPeriodName();
    }
    clock.ResetForNewGame();
    clock.Tick(33, kModeWorldMap);
    return 0;
}
