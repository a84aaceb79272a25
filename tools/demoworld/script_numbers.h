// The game's numbers for the events, actions and conditions more than one of the demo's
// scripts calls; each script file keeps the ones only it uses beside it.
#pragma once

#include <cstdint>

namespace ScriptNumbers {

constexpr int32_t kStartEvent = 1;
constexpr int32_t kRegionEnteredEvent = 2;
constexpr int32_t kDialogueEvent = 20;
constexpr int32_t kSay = 3;
constexpr int32_t kStartDialogue = 44;
constexpr int32_t kVariableEquals = 46;
constexpr int32_t kGiveNewItem = 61;
constexpr int32_t kSetVariable = 80;
constexpr int32_t kDeclareVariable = 91;
constexpr int32_t kAddMessage = 401;

} // namespace ScriptNumbers
