#pragma once
// The game's natives by category and number: the actions (0 to 507) and the conditions
// (1 to 71) that compiled scripts call. Each family of natives registers its own from its
// own file (game_natives.h); a native states how many arguments of each kind it reads,
// and a call that brings fewer fails without running it.

#include "Source/scripting/game_virtual_machine.h"

#include <array>
#include <cassert>
#include <cstdint>

class NativeCall;

// An action's result (0 failed, 1 done, 2 or 3 still going) or a condition's (0 or 1).
using NativeFunction = int32_t (*)(const NativeCall& call);

// The least a native reads of each kind of argument, written as the argument list reads:
// one letter per argument, N a number, S a string, R an entity reference, P a vector
// ("RN": a reference and a number; "" nothing).
struct NativeArguments {
    constexpr NativeArguments(const char* letters) {
        for (; *letters != '\0'; ++letters)
            Count(*letters);
    }

    uint8_t numbers = 0;
    uint8_t strings = 0;
    uint8_t objects = 0;
    uint8_t vectors = 0;

private:
    constexpr void Count(char letter) {
        switch (letter) {
        case 'N':
            ++numbers;
            break;
        case 'S':
            ++strings;
            break;
        case 'R':
            ++objects;
            break;
        case 'P':
            ++vectors;
            break;
        default:
            assert(!"an argument letter is N, S, R or P");
        }
    }
};

class NativeTable {
public:
    static constexpr int32_t kLastAction = 507;
    static constexpr int32_t kFirstCondition = 1;
    static constexpr int32_t kLastCondition = 71;

    // The number must lie in its category's range and be free.
    void AddAction(int32_t number, NativeArguments needs, NativeFunction function);
    void AddCondition(int32_t number, NativeArguments needs, NativeFunction function);

    // 0 for a category without a table, a number it does not hold, or a call whose
    // arguments fall short; else what the native answers.
    int32_t Call(NativeCategory category, int32_t number, const NativeCall& call) const;

private:
    struct Entry {
        NativeFunction function = nullptr;
        NativeArguments needs{""};
    };

    const Entry* Find(NativeCategory category, int32_t number) const;

    std::array<Entry, kLastAction + 1> m_actions{};
    std::array<Entry, kLastCondition + 1> m_conditions{};
};
