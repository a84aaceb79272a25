// An entity record from any bytes: refused with the entity still of its own type, or taken
// and, saved, read back to the same record.

#include "Source/entities/entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    Entity guard;
    guard.Init();
    guard.SetTemplateName("guard");
    guard.SetPosition(Vector(3.5f, -2.0f, 1.0f));
    guard.SetRadius(0.75f, 9);
    guard.GetRef().Set(200, 1, 1, 2, 3, 4, 5);
    guard.GetRef().AddToList(7);
    guard.GetColourMod().SetTint(true, Colour(10, 20, 30));
    guard.SetDisplayName("Guard");
    guard.SetDescription("He watches the gate.");
    Entity blank;
    blank.Init();
    return {WrittenBytes([&](Stream& stream) { return guard.Save(stream); }),
            WrittenBytes([&](Stream& stream) { return blank.Save(stream); })};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    Entity entity;
    entity.Init();
    if (!entity.Load(input)) {
        if (entity.GetType() != Entity::kTypeBase || entity.GetKind() != Entity::kTypeBase)
            std::abort();
        return 0;
    }
    const std::string saved = WrittenBytes([&](Stream& stream) { return entity.Save(stream); });
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    Entity reread;
    reread.Init();
    if (!reread.Load(again) ||
        WrittenBytes([&](Stream& stream) { return reread.Save(stream); }) != saved)
        std::abort();
    return 0;
}
