#pragma once
// The random draws of movement, behind a seam: the game draws from the runtime generator,
// a test may hand in a source of its own.

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int Int(int lo, int hi) = 0;               // as RandomInt
    virtual float SignedFloat(float lo, float hi) = 0; // as RandomSignedFloat

    static RandomSource& Runtime(); // RandomInt and RandomSignedFloat themselves
};
