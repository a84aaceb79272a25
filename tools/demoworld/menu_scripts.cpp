#include "tools/demoworld/menu_scripts.h"

#include "Source/screens/select_player_script_panel.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

using namespace ScriptNumbers;

constexpr int32_t kClearCredits = 107;
constexpr int32_t kAddCreditLine = 108;

} // namespace

bool MenuScripts::Write() const {
    if (!WriteCredits())
        return false;
    for (const char* name : SelectPlayerScriptPanel::kScriptNames)
        if (!WriteIdleScript(name))
            return false;
    return true;
}

// The panel is the story page's text too: it is cleared before the lines go in.
bool MenuScripts::WriteCredits() const {
    ScriptBuilder script(kCredits);
    script.Call(kCallEventTest, kStartEvent).JumpIfFalse("done").Call(kCallLatent, kClearCredits);
    for (const char* line : kCreditTexts)
        script.Call(kCallLatent, kAddCreditLine, line);
    script.Label("done").End();
    return WriteScript(script, m_directory + "/" + kCredits + ".scr");
}

// The leader waits where it stands; the three differ only in name for now.
bool MenuScripts::WriteIdleScript(const char* name) const {
    ScriptBuilder script(name);
    script.End();
    return WriteScript(script, m_directory + "/" + name + ".scr");
}
