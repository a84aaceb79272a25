#include "tools/demoworld/demo_dialogues.h"

#include "tools/demoworld/demo_creatures.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/scriptbuilder/script_builder.h"

#include <initializer_list>
#include <string>

namespace {

using namespace ScriptNumbers;

// The game's numbers for the dialogue's conditions and actions.
constexpr int32_t kStartsAtLabel = 42;
constexpr int32_t kValueEquals = 43;
constexpr int32_t kSays = 54;
constexpr int32_t kResponse = 55;
constexpr int32_t kGoToLabel = 45;
constexpr int32_t kEndDialogue = 46;
constexpr int32_t kAddToValue = 48;
constexpr int32_t kTrade = 50;
constexpr int32_t kCreateItemAt = 97;
constexpr int32_t kTemplateCount = -1; // a given item keeps its template's count of uses

// A response and, when the player chose it, the action it leads to; then, when given, the
// label the dialogue starts again from, so what was said there is not written twice.
struct Response {
    const char* text;
    ScriptFuncHeader action;
    const char* then = nullptr;
};

ScriptFuncHeader Action(int32_t number) {
    return ScriptBuilder::Header(kCallLatent, number);
}

ScriptFuncHeader GoTo(const char* label) {
    return ScriptBuilder::Header(kCallLatent, kGoToLabel, label);
}

// What is said at one label and the responses offered there.
void Speak(ScriptBuilder& script, const std::string& label, const char* statement,
           std::initializer_list<Response> responses) {
    script.Call(kCallQuery, kSays, statement);
    int index = 0;
    for (const Response& response : responses) {
        const std::string next = label + std::to_string(index++);
        script.Call(kCallQuery, kResponse, response.text).JumpIfFalse(next).Call(response.action);
        if (response.then != nullptr)
            script.Call(GoTo(response.then));
        script.Label(next);
    }
}

ScriptBuilder TraderDialogue() {
    ScriptBuilder script(DemoCreatures::kTraderDialogue);
    script.Call(kCallQuery, kStartsAtLabel, "greeting").JumpIfFalse("news");
    Speak(script, "greeting", "Welcome, traveller. Potions and bullets, at fair prices.",
          {{"Let us trade.", Action(kTrade)},
           {"Any news?", GoTo("news")},
           {"Farewell.", Action(kEndDialogue)}});
    script.Jump("end").Label("news").Call(kCallQuery, kStartsAtLabel, "news").JumpIfFalse("end");
    Speak(script, "news", "They say a mad scientist roams the meadow. Mind him.",
          {{"Back to business.", GoTo("greeting")}});
    return script.Label("end").End();
}

ScriptBuilder ScientistDialogue() {
    ScriptBuilder script(DemoCreatures::kScientistDialogue);
    Speak(script, "greeting", "Hm? I am busy with my experiments.",
          {{"Will you trade?", Action(kTrade), "greeting"}, {"Goodbye.", Action(kEndDialogue)}});
    return script.End();
}

ScriptBuilder PondSignDialogue() {
    ScriptBuilder script(DemoDialogues::kPondSign);
    Speak(script, "sign", "The pond is deep in the middle; the ford is by its northern shore.",
          {{"Trade with the sign.", Action(kTrade), "sign"}, {"Leave.", Action(kEndDialogue)}});
    return script.End();
}

// A script's run queues at most ten calls, and a new item's count is its uses, not how many
// there are: the gold goes in a coin a call, joining the stack, over several runs, one a
// step of the crate's counter; the first run also puts the bullets in and drops two items
// by the gate. A region definition keeps neither what a chest holds nor items on a map,
// which may not be there when it is read.
constexpr int kCallsPerRun = 10;
constexpr int kFirstRunGold = kCallsPerRun - 4; // bullets, two drops and the step
constexpr int kLaterRunGold = kCallsPerRun - 1;
static_assert(1 + (DemoDialogues::kCrateGold - kFirstRunGold + kLaterRunGold - 1) / kLaterRunGold ==
                  DemoDialogues::kCrateStocked,
              "the crate's last step is the count its users wait for");

ScriptBuilder CrateStock() {
    ScriptBuilder script(DemoDialogues::kCrate);
    int given = 0;
    for (int step = 0; given < DemoDialogues::kCrateGold; ++step) {
        const std::string next = "step " + std::to_string(step + 1);
        script.Call(kCallQuery, kValueEquals, step).JumpIfFalse(next);
        int room = kLaterRunGold;
        if (step == 0) {
            script.Call(kCallLatent, kGiveNewItem, "bullets", 10)
                .Call(kCallLatent, kCreateItemAt, "potion", DemoDialogues::kGroundPotion, 1)
                .Call(kCallLatent, kCreateItemAt, "sword", DemoDialogues::kGroundSword, 1);
            room = kFirstRunGold;
        }
        for (; room > 0 && given < DemoDialogues::kCrateGold; --room, ++given)
            script.Call(kCallLatent, kGiveNewItem, "gold", kTemplateCount);
        script.Call(kCallLatent, kAddToValue, 1).Label(next);
    }
    return script.End();
}

} // namespace

bool DemoDialogues::Write() const {
    const struct {
        const char* name;
        ScriptBuilder script;
    } scripts[] = {{DemoCreatures::kTraderDialogue, TraderDialogue()},
                   {DemoCreatures::kScientistDialogue, ScientistDialogue()},
                   {kPondSign, PondSignDialogue()},
                   {kCrate, CrateStock()}};
    for (const auto& written : scripts)
        if (!WriteScript(written.script, m_directory + "/" + written.name + ".scr"))
            return false;
    return true;
}
