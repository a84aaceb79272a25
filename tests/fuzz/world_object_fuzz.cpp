// Stored placed-object records, one after another, each read into an object that then
// joins the tile map's draw-ordered list; every object must be found there once.

#include "Library/world/world_object.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>
#include <memory>

namespace {

constexpr int kMapPixelWidth = 64 * 16;

std::unique_ptr<WorldObject> Placed(const Vector& position, uint16_t kind, uint32_t flags) {
    auto object = std::make_unique<WorldObject>();
    object->Reset();
    object->SetPosition(position);
    object->SetVector2(Vector(1, 0, 0));
    object->SetKind(kind);
    object->SetExtra16(7);
    object->SetFlags(flags);
    return object;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    const auto stored = [](std::initializer_list<const WorldObject*> objects) {
        return WrittenBytes([&](Stream& stream) {
            for (const WorldObject* object : objects)
                if (!object->Write(stream))
                    return false;
            return true;
        });
    };
    const auto tree = Placed(Vector(120, 80, 0), 3, 0x1);
    const auto door = Placed(Vector(120, 80, 0), 9, 0x1FFFF);
    const auto chest = Placed(Vector(-5, 1e6f, 2), 1000, 0);
    return {stored({tree.get(), door.get(), chest.get()}), stored({chest.get()})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    std::vector<std::unique_ptr<WorldObject>> objects;
    WorldObject* head = nullptr;
    for (;;) {
        auto object = std::make_unique<WorldObject>();
        object->Reset();
        if (!object->Read(input))
            break;
        if (object->GetFlags() & ~WorldObject::kStoredFlagsMask)
            std::abort();
        object->InsertInList(head, kMapPixelWidth);
        objects.push_back(std::move(object));
    }
    size_t listed = 0;
    for (const WorldObject* node = head; node != nullptr; node = node->GetNext())
        if (++listed > objects.size())
            std::abort(); // the list must end
    if (listed != objects.size())
        std::abort();
    for (const auto& object : objects)
        object->RemoveFromList(head);
    if (head != nullptr)
        std::abort();
    return 0;
}
