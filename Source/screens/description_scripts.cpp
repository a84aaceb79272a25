#include "Source/screens/description_scripts.h"

#include "Library/graphics/rect.h"
#include "Library/interface/mouse_position.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"

#include <memory>

namespace {

constexpr const char* kStatScript = "game_stat_desc";
constexpr const char* kCharScript = "game_char_desc";
constexpr int kAreaCount = 23;
constexpr int kNone = -1;

struct HoverArea {
    int index;
    Rect rect; // relative to the sheet; inclusive
};

// Areas 2, 4 and 14 to 18 have none.
constexpr HoverArea kAreas[] = {
    {0, {0, 83, 57, 98}},     {1, {0, 99, 93, 114}},    {3, {0, 113, 93, 128}},
    {5, {0, 126, 93, 141}},   {6, {0, 140, 93, 155}},   {7, {0, 22, 42, 37}},
    {8, {0, 37, 78, 52}},     {9, {0, 52, 65, 67}},     {10, {204, 22, 254, 37}},
    {11, {204, 37, 261, 52}}, {12, {204, 52, 253, 67}}, {13, {208, 93, 257, 108}},
    {19, {376, 37, 414, 52}}, {20, {376, 51, 478, 66}}, {21, {376, 64, 478, 79}},
    {22, {376, 80, 485, 95}},
};

struct StatDescription {
    std::unique_ptr<ScriptMachine> machine;
    int x = 0;
    int y = 0;
    int lastReported = kNone;
};

StatDescription g_statDescription;

bool Holds(const HoverArea& area, int x, int y) {
    return area.rect.Covers(x - g_statDescription.x, y - g_statDescription.y);
}

const HoverArea* AreaOfIndex(int index) {
    for (const HoverArea& area : kAreas)
        if (area.index == index)
            return &area;
    return nullptr;
}

// A fresh machine with the compiled script started; null when it cannot be loaded.
std::unique_ptr<ScriptMachine> Started(const char* name) {
    std::unique_ptr<ScriptMachine> machine = GetScriptMachineFactory().Create(nullptr);
    if (!machine->LoadScript(CompiledScriptPath(name)))
        return nullptr;
    machine->SetPeriod(0);
    machine->PostStartEvent();
    machine->Update(0);
    return machine;
}

} // namespace

static_assert(sizeof kAreas / sizeof kAreas[0] <= kAreaCount);

void RunStatDescScript(int x, int y) {
    g_statDescription = StatDescription();
    g_statDescription.machine = Started(kStatScript);
    g_statDescription.x = x;
    g_statDescription.y = y;
}

bool UpdateStatDescHover() {
    StatDescription& description = g_statDescription;
    if (!description.machine)
        return false;
    const HoverArea* last = AreaOfIndex(description.lastReported);
    if (last && Holds(*last, g_mouseX, g_mouseY))
        return false;
    for (const HoverArea& area : kAreas) {
        if (!Holds(area, g_mouseX, g_mouseY))
            continue;
        description.machine->PostEvent12(area.index);
        description.machine->Update(0);
        description.lastReported = area.index;
        return true;
    }
    return false;
}

void FreeStatDescScript() {
    g_statDescription = StatDescription();
}

void RunCharDescScript() {
    Started(kCharScript);
}
