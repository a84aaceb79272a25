#include "Source/creatures/effect_mgr.h"

#include "Library/core/stream.h"

#include <cstdio>

bool EffectMgr::Load(Stream& stream) {
    uint32_t count = 0;
    if (!stream.ReadValue(count))
        return false;
    if (count == 0)
        return true;
    std::fprintf(stderr, "EffectMgr: a creature record lists %u running effects\n", count);
    return false;
}

bool EffectMgr::Save(Stream& stream) const {
    const uint32_t none = 0;
    return stream.WriteValue(none);
}
