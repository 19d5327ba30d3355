#include "core/random_source.h"

namespace splat {

void RandomSource::seed(uint32_t v) { state_ = static_cast<uint32_t>(v * 22695477u + 1u); }

int32_t RandomSource::next() {
    state_ = state_ * kMultiplier + 1u;  // unsigned: wraps mod 2^64
    return static_cast<int32_t>((state_ >> 32) & 0x7fffffffu);
}

int32_t RandomSource::random(int32_t n) {
    if (n == 0) return 0;
    const int32_t r = next();
    return r % n;  // r >= 0, so the remainder is never negative
}

}  // namespace splat
