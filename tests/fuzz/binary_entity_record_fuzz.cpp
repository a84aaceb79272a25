// A two-state entity's record from any bytes: refused with the entity still of its own type,
// or taken at rest, open or closed, and, saved, read back to the same record.

#include "Source/entities/binary_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    BinaryEntity opening;
    opening.Init();
    opening.SetTemplateName("gate");
    opening.SetAnimationName("gate");
    opening.AddFlags(Entity::kFlagChanging | BinaryEntity::kStateOpening);
    BinaryEntity closed;
    closed.Init();
    return {WrittenBytes([&](Stream& stream) { return opening.Save(stream); }),
            WrittenBytes([&](Stream& stream) { return closed.Save(stream); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    BinaryEntity entity;
    entity.Init();
    const bool loaded = entity.Load(input);
    if (entity.GetType() != Entity::kTypeBinary)
        std::abort();
    if (!loaded)
        return 0;
    if ((!entity.IsOpen() && !entity.IsClosed()) || entity.HasAnyFlag(Entity::kFlagChanging))
        std::abort();
    entity.Update(33); // at rest with no order: nothing to do
    const std::string saved = WrittenBytes([&](Stream& stream) { return entity.Save(stream); });
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    BinaryEntity reread;
    reread.Init();
    if (!reread.Load(again) ||
        WrittenBytes([&](Stream& stream) { return reread.Save(stream); }) != saved)
        std::abort();
    return 0;
}
