// A map object's record from any bytes, read by the class its first byte picks (a trigger's,
// a chest's or a door's): refused with a kind of its class, or taken and, saved, read back to
// the same record.

#include "Source/entities/container_map_object.h"
#include "Source/entities/door_map_object.h"
#include "Source/entities/entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>
#include <memory>

namespace {

constexpr int kClasses = 3;

std::unique_ptr<MapObject> Make(int selector, Entity& owner) {
    switch (selector % kClasses) {
    case 0:
        return std::make_unique<MapObject>(owner, kMapObjectTravel);
    case 1:
        return std::make_unique<ContainerMapObject>(owner);
    default:
        return std::make_unique<DoorMapObject>(owner);
    }
}

std::string Seed(int selector, const MapObject& object) {
    return std::string(1, static_cast<char>(selector)) +
           WrittenBytes([&](Stream& stream) { return object.Save(stream); });
}

void Fill(MapObject& object, uint32_t kind) {
    object.SetKind(kind);
    MapObject::Settings& s = object.EditSettings();
    s.name = "gate";
    s.position.Set(3.5f, 4.0f, 0.0f);
    s.targetMap = "cellar";
    s.trapArmed = s.locked = 1;
    s.lockDifficulty = 40;
    s.keyItem = "key";
    s.lockedSound = "rattle";
    MemMgr<Vector> corners;
    corners.Alloc()->Set(3, 3, 0);
    corners.Alloc()->Set(5, 3, 0);
    corners.Alloc()->Set(4, 5, 0);
    object.BuildZone(corners);
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    UseScratchDataPaths();
    Entity owner;
    MapObject trap(owner, kMapObjectTrap);
    Fill(trap, kMapObjectTrap);
    ContainerMapObject chest(owner);
    Fill(chest, kMapObjectContainer);
    DoorMapObject gate(owner);
    Fill(gate, kMapObjectDoor);
    gate.SetPatch("gate_closed.tga", "gate_open.tga", 48, 36);
    gate.AddCell(4, 4);
    gate.SetState1();
    gate.AddCell(5, 4);
    return {Seed(0, trap), Seed(1, chest), Seed(2, gate)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    UseScratchDataPaths();
    Entity owner;
    const std::unique_ptr<MapObject> object = Make(data[0], owner);
    FuzzInput input(data + 1, size - 1);
    if (!object->Load(input)) {
        if (!object->SetKind(object->GetKind()))
            std::abort();
        return 0;
    }
    const std::string saved = WrittenBytes([&](Stream& stream) { return object->Save(stream); });
    const std::unique_ptr<MapObject> reread = Make(data[0], owner);
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    if (!reread->Load(again) ||
        WrittenBytes([&](Stream& stream) { return reread->Save(stream); }) != saved)
        std::abort();
    return 0;
}
