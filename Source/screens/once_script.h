#pragma once
// A compiled script a screen runs once, when it opens, on a machine of its own that no
// entity owns: it writes what the screen shows through the script natives.

#include "Library/core/stringc.h"

#include <memory>

class ScriptMachine;

class OnceScript {
public:
    OnceScript(); // the machine made and reset
    OnceScript(const OnceScript&) = delete;
    OnceScript& operator=(const OnceScript&) = delete;
    ~OnceScript();

    // The name's script from the script directory, an extension cut; the empty name loads
    // nothing. False when nothing was loaded.
    bool Load(const Stringc& name);
    void Run(); // the start event and one run; a machine without a program drops the event

private:
    std::unique_ptr<ScriptMachine> m_machine;
};
