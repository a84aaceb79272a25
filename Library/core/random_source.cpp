#include "Library/core/random_source.h"

#include "Library/core/random.h"

namespace {

class RuntimeRandomSource : public RandomSource {
public:
    int Draw(int lo, int hi) override { return RandomInt(lo, hi); }
};

} // namespace

RandomSource& RandomSource::Runtime() {
    static RuntimeRandomSource source;
    return source;
}
