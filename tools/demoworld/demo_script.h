#pragma once
// The demo world's script "demo": on the start event it declares and counts visits and
// starts a greeting timer; on each run after that it greets, by a weighted draw, once the
// timer has run out. It uses every instruction and every kind of call and argument.

#include "tools/scriptbuilder/script_builder.h"

ScriptBuilder DemoScript();
