#pragma once
// The command a creature carries out, as the soldier drives it: the creatures' behaviour
// implements it. A command posts the soldier the order events it needs, and leaves a
// status the creature's scripts read as the result of their latent action.

#include "Source/entities/command_arg.h"

#include <cstdint>

class Screen;

class CreatureCommands {
public:
    // The status byte the scripts read; its values are theirs.
    static constexpr uint8_t kStatusFailed = 0;
    static constexpr uint8_t kStatusDone = 1; // also: no command was ever given
    static constexpr uint8_t kStatusRunning = 3;

    virtual ~CreatureCommands() = default;

    // The arguments each command id takes are the behaviour's to say; flag is the fifth.
    virtual void SetCommand(int id, const CommandArg& a, const CommandArg& b, const CommandArg& c,
                            int flag) = 0;
    virtual void ClearCommand() = 0;
    virtual void Update() = 0; // once a frame, after the soldier's order
    virtual uint8_t GetStatus() const = 0;
    virtual void Describe(int x, int y, Screen& screen) const = 0; // the command's debug text
};
