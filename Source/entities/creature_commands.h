#pragma once
// The command a creature carries out, as the soldier drives it: the creatures' behaviour
// implements it. A command posts the soldier the order events it needs.

#include "Source/entities/event_arg.h"

class CreatureCommands {
public:
    virtual ~CreatureCommands() = default;

    virtual void SetCommand(int id, EventArg a, EventArg b, EventArg c, EventArg d) = 0;
    virtual void ClearCommand() = 0;
    virtual void Update() = 0; // once a frame, after the soldier's order
};
