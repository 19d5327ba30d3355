#pragma once
// The week's match: kick-off and speeds, the match timer's tick and the
// settlement of the week when the match ends.

#include "management/management.h"

namespace splat {

class Match : public Management {
public:
    using Management::Management;

    // match/match_start.cpp
    void StartClick();
    void fastactionClick();
    void normalactionClick();
    void slowactionClick();
    // match/match_tick.cpp
    void nextaction();             // Timer1 tick
    void eliminateOurs();
    void eliminateTheirs();
    void pickUpOurs();
    void pickUpTheirs();
    // match/settlement.cpp
    void settleMatch();

protected:
    ~Match() = default;
};

}  // namespace splat
