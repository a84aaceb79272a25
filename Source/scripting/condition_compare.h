#pragma once
// Conditions that test one value of the game against a script's number: equal to it, less
// than it or greater than it, each under a number of its own. A reader gets the value, or
// false when the call gives it nothing to read, which makes every comparison false.

#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

#include <cstdint>

enum Comparison {
    kEqualTo,
    kSameBits, // equal as unsigned 32-bit patterns
    kLessThan,
    kGreaterThan,
};

// 1 for true, 0 for false: a condition's answer.
inline int32_t Answer(bool holds) {
    return holds ? 1 : 0;
}

using ValueReader = bool (*)(const NativeCall& call, int32_t& value);

// The value against the call's number argument of that index; the others compare signed.
bool CompareWithNumber(int32_t value, Comparison comparison, const NativeCall& call, int number);

template <ValueReader kRead, Comparison kHow, int kNumber>
int32_t ComparedCondition(const NativeCall& call) {
    int32_t value = 0;
    return Answer(kRead(call, value) && CompareWithNumber(value, kHow, call, kNumber));
}

// The three conditions of one value, against the number argument kNumber.
template <ValueReader kRead, Comparison kEquality = kEqualTo, int kNumber = 0>
void AddComparisons(NativeTable& table, NativeArguments needs, int32_t equal, int32_t less,
                    int32_t greater) {
    table.AddCondition(equal, needs, &ComparedCondition<kRead, kEquality, kNumber>);
    table.AddCondition(less, needs, &ComparedCondition<kRead, kLessThan, kNumber>);
    table.AddCondition(greater, needs, &ComparedCondition<kRead, kGreaterThan, kNumber>);
}
