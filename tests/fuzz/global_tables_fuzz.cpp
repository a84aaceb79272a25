// The stored global variables, then the stored timers, from any bytes: refused with the
// tables as they were, or taken and stored again byte for byte.

#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    GlobalMgr globals;
    globals.Declare("Quest", "Door");
    globals.Declare("", "");
    globals.Set("Quest", "Door", -7);
    GlobalTimerTable timers;
    timers.Advance(123456);
    timers.Start("Quest", "Bell", 30);
    timers.Start("Region", "Night", 0);
    return {WrittenBytes([&](Stream& stream) {
                return globals.Save(stream) && timers.WriteCounter(stream);
            }),
            WrittenBytes([](Stream& stream) {
                return GlobalMgr().Save(stream) && GlobalTimerTable().WriteCounter(stream);
            })};
}

namespace {

// What a loaded table stores must load again and store the same (an empty text may have
// come in a longer form than ours).
template <class Table>
void CheckStoredAgain(const Table& table, bool (Table::*save)(Stream&) const,
                      bool (Table::*load)(Stream&)) {
    const std::string saved = WrittenBytes([&](Stream& stream) { return (table.*save)(stream); });
    FuzzInput input(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    Table again;
    if (saved.empty() || !(again.*load)(input) || again.Count() != table.Count() ||
        WrittenBytes([&](Stream& stream) { return (again.*save)(stream); }) != saved)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    GlobalMgr globals;
    globals.Declare("Kept", "Variable");
    if (!globals.Load(input)) {
        if (globals.Count() != 1 || !globals.Equals("Kept", "Variable", 0))
            std::abort();
        return 0;
    }
    CheckStoredAgain(globals, &GlobalMgr::Save, &GlobalMgr::Load);

    GlobalTimerTable timers;
    timers.Start("Kept", "Timer", 1);
    if (!timers.ReadCounter(input)) {
        if (timers.Count() != 1 || timers.GetClock() != 0 || !timers.IsRunning("Kept", "Timer"))
            std::abort();
        return 0;
    }
    CheckStoredAgain(timers, &GlobalTimerTable::WriteCounter, &GlobalTimerTable::ReadCounter);
    return 0;
}
