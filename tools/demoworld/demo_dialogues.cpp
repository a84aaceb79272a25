#include "tools/demoworld/demo_dialogues.h"

#include "tools/demoworld/demo_creatures.h"
#include "tools/scriptbuilder/script_builder.h"

#include <initializer_list>
#include <string>

namespace {

// The game's numbers for the dialogue's conditions and actions.
constexpr int32_t kStartsAtLabel = 42;
constexpr int32_t kValueEquals = 43;
constexpr int32_t kSays = 54;
constexpr int32_t kResponse = 55;
constexpr int32_t kGoToLabel = 45;
constexpr int32_t kEndDialogue = 46;
constexpr int32_t kSetValue = 47;
constexpr int32_t kTrade = 50;
constexpr int32_t kGiveNewItem = 61;
constexpr int32_t kCreateItemAt = 97;

// A response and, when the player chose it, the action it leads to.
struct Response {
    const char* text;
    ScriptFuncHeader action;
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
        script.Call(kCallQuery, kResponse, response.text)
            .JumpIfFalse(next)
            .Call(response.action)
            .Label(next);
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
          {{"Will you trade?", Action(kTrade)}, {"Goodbye.", Action(kEndDialogue)}});
    return script.End();
}

ScriptBuilder PondSignDialogue() {
    ScriptBuilder script(DemoDialogues::kPondSign);
    Speak(script, "sign", "The pond is deep in the middle; the ford is by its northern shore.",
          {{"Trade with the sign.", Action(kTrade)}, {"Leave.", Action(kEndDialogue)}});
    return script.End();
}

// Run on the crate's timer while its counter is 0: gold and bullets go in, a potion and a
// sword are dropped by the gate, and it counts 1. A region definition keeps neither what
// a chest holds nor items on a map, which may not be there when it is read.
ScriptBuilder CrateStock() {
    ScriptBuilder script(DemoDialogues::kCrate);
    return script.Call(kCallQuery, kValueEquals, 0)
        .JumpIfFalse("end")
        .Call(kCallLatent, kGiveNewItem, "gold", 50)
        .Call(kCallLatent, kGiveNewItem, "bullets", 10)
        .Call(kCallLatent, kCreateItemAt, "potion", DemoDialogues::kGroundPotion, 1)
        .Call(kCallLatent, kCreateItemAt, "sword", DemoDialogues::kGroundSword, 1)
        .Call(kCallLatent, kSetValue, 1)
        .Label("end")
        .End();
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
        if (!written.script.WriteFile(m_directory + "/" + written.name + ".scr"))
            return false;
    return true;
}
