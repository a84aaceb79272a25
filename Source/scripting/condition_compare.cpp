#include "Source/scripting/condition_compare.h"

bool CompareWithNumber(int32_t value, Comparison comparison, const NativeCall& call, int number) {
    switch (comparison) {
    case kEqualTo:
        return value == call.Int(number);
    case kSameBits:
        return static_cast<uint32_t>(value) == call.Bits(number);
    case kLessThan:
        return value < call.Int(number);
    case kGreaterThan:
        return value > call.Int(number);
    }
    return false;
}
