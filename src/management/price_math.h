#pragma once
// Money arithmetic of the management pages: whether a price can be paid, and
// products that are taken in 64 bits and clamped instead of wrapping.

#include <cstdint>
#include <limits>

#include "core/game_state.h"
#include "core/saturating.h"

namespace splat::management {

// A purchase goes through only when the cash covers the whole price.
inline bool canPay(const GameState& s, int64_t price) {
    return int64_t{s.cash} - price >= 0;
}

// a * b, held at the 64-bit limits instead of overflowing.
inline int64_t multiplySaturating(int64_t a, int64_t b) {
    int64_t product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) return product;
    const bool negative = (a < 0) != (b < 0);
    return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

// value + delta for counters (levels, points, income) that must not wrap.
inline int32_t plusSaturating(int32_t value, int64_t delta) {
    return clampToInt32(int64_t{value} + delta);
}

}  // namespace splat::management
