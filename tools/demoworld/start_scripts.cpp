#include "tools/demoworld/start_scripts.h"

#include "tools/demoworld/demo_map_scripts.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/page_scripts.h"
#include "tools/demoworld/script_numbers.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

using namespace ScriptNumbers;

constexpr int32_t kGoToPage = 215;
constexpr int32_t kReplaceTutorialText = 403;
constexpr const char* kTutorialText =
    "Click the map to walk there. Right-click a thing for what you can do with it. Space "
    "pauses.";

} // namespace

bool StartScripts::Write() const {
    return WriteScript(kNewGame) && WriteScript(kTutorial);
}

bool StartScripts::WriteScript(const char* name) const {
    ScriptBuilder script(name);
    script.Call(kCallEventTest, kStartEvent).JumpIfFalse("done");
    if (Stringc(name) == kTutorial) {
        using Panel = DemoMapScripts;
        script.Call(kCallLatent, kReplaceTutorialText, kTutorialText)
            .Call(kCallLatent, kDeclareVariable, Panel::kTutorialScope, Panel::kPanelVariable)
            .Call(kCallLatent, kSetVariable, Panel::kTutorialScope, Panel::kPanelVariable,
                  Panel::kPanelShown);
    }
    script.Call(kCallLatent, kGoToPage, kStoryPageName).Label("done").End();
    return ::WriteScript(script, m_directory + "/" + name + ".scr");
}
