#pragma once
// The kinds of exchange a match is played in. The state keeps the kind of
// the exchange under way as its number (`exchangeKind`), so the kinds are a
// plain enumeration over int32_t.

#include <cstdint>

namespace splat::exchange {

enum Kind : int32_t {
    kNone = 0,
    kWeSpotThem = 1,     // our actor may hit theirs
    kTheySpotUs = 2,     // their actor may hit ours
    kAmbushOnUs = 3,     // ours may be ambushed by theirs
    kAmbushOnThem = 4,   // theirs may be ambushed by ours
    kOurFlagRun = 5,     // our actor runs for the flag
    kTheirFlagRun = 6,   // theirs runs for it
    kOurFlagHang = 7,    // our flag carrier tries to hang the flag
    kTheirFlagHang = 8,  // theirs does
};

}  // namespace splat::exchange
