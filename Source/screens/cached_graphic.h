#pragma once
// A picture a screen holds from a graphic cache, with the cache's generation when it was
// handed out: once the cache has been cleared the picture is gone, and its address may
// already belong to another picture.

#include <cstdint>

class Graphic;
class GraphicMgr;

struct CachedGraphic {
    GraphicMgr* cache = nullptr;
    Graphic* graphic = nullptr;
    uint32_t generation = 0;

    // The picture while its cache still holds it, else null.
    Graphic* Get() const;
};
