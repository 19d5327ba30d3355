// The week's five pairings: every team drawn once.

#include <algorithm>
#include <array>

#include "league/league.h"

namespace splat {

void League::drawPairings() {
    std::array<int32_t, 2 * kPairings> drawn{};  // the teams drawn so far; 0 = empty slot
    const auto alreadyDrawn = [&drawn](int32_t team) {
        return std::find(drawn.begin(), drawn.end(), team) != drawn.end();
    };
    s_.yourPairing = 0;
    for (int e = 1; e <= kPairings; ++e) {
        int32_t a = 0;
        int32_t b = 0;
        do {
            do {
                a = ctx_.random(10) + 1;
            } while (alreadyDrawn(a));
            do {
                b = ctx_.random(10) + 1;
            } while (alreadyDrawn(b));
        } while (a == b);
        s_.pairings[e] = Pairing{a, b};
        drawn[2 * (e - 1)] = a;
        drawn[2 * (e - 1) + 1] = b;
        if (a == 1 || b == 1) s_.yourPairing = e;
    }
    findOpponent();
}

void League::findOpponent() {
    const Pairing& yours = s_.pairings[s_.yourPairing];
    s_.opponentTeam = yours.first == 1 ? yours.second : yours.first;
}

}  // namespace splat
