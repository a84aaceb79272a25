#include "Library/world/random_source.h"

#include "Library/core/random.h"

namespace {

class RuntimeRandom : public RandomSource {
public:
    int Int(int lo, int hi) override { return RandomInt(lo, hi); }
    float SignedFloat(float lo, float hi) override { return RandomSignedFloat(lo, hi); }
};

} // namespace

RandomSource& RandomSource::Runtime() {
    static RuntimeRandom source;
    return source;
}
