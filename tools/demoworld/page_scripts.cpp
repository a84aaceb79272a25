#include "tools/demoworld/page_scripts.h"

#include "tools/demoworld/demo_region.h"
#include "tools/demoworld/script_numbers.h"

#include <iterator>
#include <string>

namespace {

using namespace ScriptNumbers;

// The game's numbers for the events and actions the scripts call.
constexpr int32_t kSignalEvent = 12;
constexpr int32_t kKeyEvent = 19;
constexpr int32_t kClearPageText = 107;
constexpr int32_t kAddPageText = 108;
// The character screens' two description panels: the statistic's on the right, the
// character's on the left.
constexpr int32_t kClearStatText = 109;
constexpr int32_t kAddStatText = 110;
constexpr int32_t kClearCharText = 111;
constexpr int32_t kAddCharText = 112;
constexpr int32_t kPageToMap = 216;
constexpr int32_t kKeyOne = '1';

} // namespace

ScriptBuilder StoryPageScript() {
    ScriptBuilder script(kStoryPageName);
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("choice")
        .Call(kCallLatent, kClearPageText)
        .Call(kCallLatent, kAddPageText, "A lantern drifts over the moor at dusk.")
        .Call(kCallLatent, kAddPageText, "Beyond the old gate the vault is said to wait.")
        .Call(kCallLatent, kAddPageText, "1 - Walk to the gate.")
        .Jump("done")
        .Label("choice")
        .Call(kCallEventTest, kKeyEvent, kKeyOne)
        .JumpIfFalse("done")
        .Call(kCallLatent, kPageToMap, DemoRegion::kMapName, kStoryPageEntry)
        .Label("done")
        .End();
    return script;
}

// Every line of the sheet the pointer can rest on, by its area number.
ScriptBuilder StatDescriptionScript() {
    ScriptBuilder script("game_stat_desc");
    const struct {
        int32_t area;
        const char* text;
    } areas[] = {{0, "Hit points: how much harm you can take."},
                 {1, "Armour class: how hard you are to hit."},
                 {3, "Melee damage: what your blows add to a weapon's harm."},
                 {5, "Carry weight: how much you can carry."},
                 {6, "Healing rate: the hit points a rest gives back."},
                 {7, "Level: grows with experience."},
                 {8, "Experience: earned by defeating foes."},
                 {9, "Next level: the experience the next level needs."},
                 {10, "DT/DR: the harm a blow loses, and the share of the rest kept out."},
                 {11, "Normal: against blades, blows and bullets."},
                 {12, "Laser: against laser weapons."},
                 {13, "Poison: your resistance to poison."},
                 {19, "Guns: your chance with pistols and rifles."},
                 {20, "Laser weapons: your chance with laser weapons."},
                 {21, "Melee weapons: your chance with swords and axes."},
                 {22, "Thrown weapons: your chance with what you throw."}};
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("area0")
        .Call(kCallLatent, kClearStatText)
        .Jump("done");
    for (size_t index = 0; index < std::size(areas); ++index) {
        const std::string next = "area" + std::to_string(index + 1);
        script.Label("area" + std::to_string(index))
            .Call(kCallEventTest, kSignalEvent, areas[index].area)
            .JumpIfFalse(next)
            .Call(kCallLatent, kClearStatText)
            .Call(kCallLatent, kAddStatText, areas[index].text)
            .Jump("done");
    }
    script.Label("area" + std::to_string(std::size(areas))).Label("done").End();
    return script;
}

ScriptBuilder CharDescriptionScript() {
    ScriptBuilder script("game_char_desc");
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kClearCharText)
        .Call(kCallLatent, kAddCharText, "Point at a line of the sheet to read about it.")
        .Label("done")
        .End();
    return script;
}
