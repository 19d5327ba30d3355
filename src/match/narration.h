#pragma once
// The play-by-play line of the match: every line the `action1` label can show,
// built from its fixed pieces and the names of the players involved. The
// pieces carry their own spaces, trailing blanks included; nothing is added
// between them.
//
// Some lines have two wordings. For those the match draws d = random(10) just
// before the line is built and passes it in; `hasTwoWordings` tells whether a
// line needs that draw.

#include <cstdint>
#include <string>
#include <string_view>

namespace splat::narration {

// The names a line may use.
// Views of the names in the state, which outlive the line made of them.
struct Names {
    std::string_view ours;          // our actor
    std::string_view theirs;        // their actor
    std::string_view ourCarrier;    // our flag carrier
    std::string_view theirCarrier;  // their flag carrier
};

// Whether the announcement (phase 1) or the development (phase 2) of an
// exchange of this kind picks one of two wordings with a random(10) draw.
bool announcementHasTwoWordings(int32_t kind);
bool developmentHasTwoWordings(int32_t kind);

// Phase 1: the announcement of an exchange of kind 1..8 ("" for kind 0).
std::string announcement(int32_t kind, const Names& n, int32_t d);

// Phase 2 of the sightings and blind spots (kinds 1..4; "" otherwise).
std::string development(int32_t kind, const Names& n, int32_t d);

// Phase 2 of the flag kinds.
std::string flagHung(std::string_view carrier);     // kinds 7 and 8
std::string hitOnTheWay(std::string_view runner);   // kinds 5 and 6
std::string flagPickedUp(std::string_view runner);  // kinds 5 and 6

// Phase 3 of kinds 1..4: the acting side succeeds (a hit for kinds 1 and 2,
// an ambush for 3 and 4) or not (a miss, an escape). "" for other kinds.
std::string resolution(int32_t kind, const Names& n, bool success);

}  // namespace splat::narration
