#pragma once
// Where the rules draw their random numbers: the runtime generator in the game, a source of
// the test's own where a test needs given rolls.

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // As RandomInt: lo <= result < hi for lo < hi; lo, without drawing, for lo == hi.
    virtual int Draw(int lo, int hi) = 0;

    static RandomSource& Runtime(); // RandomInt on the seedable runtime generator
};
