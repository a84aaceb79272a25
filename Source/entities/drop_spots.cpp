#include "Source/entities/drop_spots.h"

namespace {

const DropSpots* g_dropSpots = nullptr;

} // namespace

const DropSpots* GetDropSpots() {
    return g_dropSpots;
}

void SetDropSpots(const DropSpots* spots) {
    g_dropSpots = spots;
}
