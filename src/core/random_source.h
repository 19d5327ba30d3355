#pragma once
// The game's one random source: a 64-bit linear congruential generator.

#include <cstdint>

namespace splat {

class RandomSource {
public:
    // Seeds with a 32-bit value: the low half of the state becomes
    // v * 22695477 + 1 (mod 2^32), the high half 0.
    void seed(uint32_t v);

    // Advances the state and returns bits 32..62 of it (0 .. 2^31 - 1).
    int32_t next();

    // 0 for n = 0 (without advancing); otherwise the next output modulo n,
    // which is 0..n-1 for positive n and 0..|n|-1 for negative n.
    int32_t random(int32_t n);

    uint64_t state() const { return state_; }

private:
    static constexpr uint64_t kMultiplier = 1486058704437ULL;  // 346 << 32 | 20021
    uint64_t state_ = 0;
};

}  // namespace splat
