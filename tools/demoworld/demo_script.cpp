#include "tools/demoworld/demo_script.h"

#include "tools/demoworld/script_numbers.h"

namespace {

using namespace ScriptNumbers;

// The game's numbers for the events, actions and conditions the script calls.
constexpr int32_t kClearActions = 0;
constexpr int32_t kSayAside = 4;
constexpr int32_t kAddToVariable = 81;
constexpr int32_t kStartGameTimer = 103;
constexpr int32_t kIsLive = 5;
constexpr int32_t kGameTimerExpired = 62;
constexpr int32_t kNothing = 0;

constexpr uint16_t kFirstVisit = 9; // above every temporary the script takes
constexpr uint32_t kPlayerSide = 2;

} // namespace

ScriptBuilder DemoScript() {
    EntityRef playerSide;
    playerSide.Set(kPlayerSide, 0, 0, 0, 0, 0, 0);
    ScriptBuilder script("demo");
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("started")
        .Call(kCallImmediate, kClearActions)
        .Call(kCallLatent, kDeclareVariable, "demo", "visits")
        .Call(kCallLatent, kAddToVariable, "demo", "visits", 1)
        .Call(kCallLatent, kStartGameTimer, "demo", "greeting", 5)
        .Label("started")
        .Call(kCallQuery, kVariableEquals, "demo", "visits", 1)
        .Store(kFirstVisit)
        .Pop()
        .Call(kCallQuery, kGameTimerExpired, "demo", "greeting")
        .Push(kFirstVisit)
        .Call(kCallQuery, kIsLive, playerSide)
        .Or()
        .And()
        .Not()
        .JumpIfFalse("greet")
        .Jump("done")
        .Label("greet")
        .Random(1, 100)
        .Case(30)
        .JumpIfFalse("aside")
        .Call(kCallLatent, kSay, "Welcome to the vault.")
        .Jump("restart")
        .Label("aside")
        .Case(100)
        .JumpIfFalse("restart")
        .Call(kCallLatent, kSayAside, "The vault hums quietly.")
        .Label("restart")
        .Clear(kFirstVisit)
        .Call(kCallLatent, kStartGameTimer, "demo", "greeting", 30)
        .Label("done")
        .Call(kCallDropped, kNothing, Vector(12.0f, 8.0f, 0.0f), 0.5)
        .Nop()
        .End()
        .Nop();
    return script;
}
