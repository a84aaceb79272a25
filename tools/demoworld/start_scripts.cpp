#include "tools/demoworld/start_scripts.h"

#include "tools/demoworld/demo_region.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

constexpr int32_t kStartEvent = 1;
constexpr int32_t kPageToMap = 216;

} // namespace

bool StartScripts::Write() const {
    return WriteScript(kNewGame) && WriteScript(kTutorial);
}

bool StartScripts::WriteScript(const char* name) const {
    ScriptBuilder script(name);
    script.Call(kCallEventTest, kStartEvent)
        .JumpIfFalse("done")
        .Call(kCallLatent, kPageToMap, DemoRegion::kMapName, kFirstEntry)
        .Label("done")
        .End();
    return script.WriteFile(m_directory + "/" + name + ".scr");
}
