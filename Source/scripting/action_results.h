#pragma once
// An action's result for an operation it forwards to: done, or for a command started (it
// lasts as long as the command), when the operation succeeded; else failed.

#include "LibraryScriptCompiler/virtual_machine.h"

inline int32_t DoneIf(bool done) {
    return done ? kActionDone : kActionFailed;
}

inline int32_t StartedIf(bool accepted) {
    return accepted ? kActionStarted : kActionFailed;
}
