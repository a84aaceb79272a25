// A queued entity's record from any bytes: refused with the entity still of its own type,
// or taken and, saved, read back to the same record; the entity stays idle either way.

#include "Source/entities/queued_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    QueuedEntity torch;
    torch.Init();
    torch.SetTemplateName("torch");
    torch.SetRadius(0.25f, 0);
    torch.SetState(9);
    torch.SetAnimationName("misc");
    torch.GetRef().Set(40, 2, 0, 0, 0, 0, 0);
    QueuedEntity blank;
    blank.Init();
    return {WrittenBytes([&](Stream& stream) { return torch.Save(stream); }),
            WrittenBytes([&](Stream& stream) { return blank.Save(stream); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    QueuedEntity entity;
    entity.Init();
    const bool loaded = entity.Load(input);
    if (entity.GetType() != Entity::kTypeQueued || entity.HasPending())
        std::abort();
    entity.Update(33); // no animation, no order: nothing to do, and nothing to crash
    if (!loaded)
        return 0;
    const std::string saved = WrittenBytes([&](Stream& stream) { return entity.Save(stream); });
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    QueuedEntity reread;
    reread.Init();
    if (!reread.Load(again) ||
        WrittenBytes([&](Stream& stream) { return reread.Save(stream); }) != saved)
        std::abort();
    return 0;
}
