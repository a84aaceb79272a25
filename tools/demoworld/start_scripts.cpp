#include "tools/demoworld/start_scripts.h"

#include "tools/demoworld/page_scripts.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

constexpr int32_t kStartEvent = 1;
constexpr int32_t kGoToPage = 215;

} // namespace

bool StartScripts::Write() const {
    return WriteScript(kNewGame) && WriteScript(kTutorial);
}

bool StartScripts::WriteScript(const char* name) const {
    ScriptBuilder script(name);
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kGoToPage, kStoryPageName)
        .Label("done")
        .End();
    return script.WriteFile(m_directory + "/" + name + ".scr");
}
