// A projectile set from any bytes, its records kept out of play: refused, or taken and,
// written, read back to the same bytes.

#include "Source/entities/projectile_entity.h"
#include "Source/entities/projectile_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string WrittenSet(const ProjectileMgr& set) {
    return WrittenBytes([&](Stream& stream) { return set.Write(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    ProjectileEntity arrow;
    arrow.Init();
    arrow.SetAnimationName("Projectile/arrow");
    arrow.SetSpeed(14.0f);
    arrow.SetFlightMode(ProjectileEntity::kSeekPoint);
    ProjectileEntity missile;
    missile.Init();
    missile.SetAngleOffset(-20.0);
    missile.SetExplosionKind(1);
    missile.SetVehicleParameters({0.25f, 1.0f, 4.0f, 9.0f});
    ProjectileMgr set;
    set.SetValue(3);
    set.AddRecord(arrow);
    set.AddRecord(missile);
    return {WrittenSet(set), WrittenSet(ProjectileMgr())};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    ProjectileMgr set;
    if (!set.Read(input))
        return 0;
    const std::string written = WrittenSet(set);
    FuzzInput again(reinterpret_cast<const uint8_t*>(written.data()), written.size());
    ProjectileMgr reread;
    if (!reread.Read(again) || WrittenSet(reread) != written)
        std::abort();
    return 0;
}
