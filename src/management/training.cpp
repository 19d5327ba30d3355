// The Training page's purchase: ten training points at the price of the last
// refresh. Buying does not refresh, so the price holds for the next lot too.

#include <string>

#include "management/management.h"
#include "management/price_math.h"

namespace splat {

void Management::buytpClick() {
    GameState& s = s_;
    if (!pay(s.trainingPointsPrice)) return;
    s.trainingPoints = management::plusSaturating(s.trainingPoints, 10);
    win_.setText("tpnumber", std::to_string(s.trainingPoints));
}

}  // namespace splat
