#include "match/narration.h"

#include "core/join.h"
#include "match/exchange.h"

namespace splat::narration {

using namespace exchange;

bool announcementHasTwoWordings(int32_t kind) { return kind >= kWeSpotThem && kind <= kAmbushOnThem; }

bool developmentHasTwoWordings(int32_t kind) { return kind == kWeSpotThem || kind == kTheySpotUs; }

std::string announcement(int32_t kind, const Names& n, int32_t d) {
    const bool low = d <= 3;
    switch (kind) {
        case kWeSpotThem:
            return low ? join(n.ours, " sees ", n.theirs, " running toward a barricade")
                       : join(n.ours, " spots ", n.theirs, " near a barricade");
        case kTheySpotUs:
            return low ? join(n.theirs, " spots ", n.ours, " near a barricade")
                       : join(n.theirs, " sees ", n.ours, " running toward a barricade");
        case kAmbushOnUs:
            return low ? join(n.ours, " feels some dude is about to trash him ")
                       : join(n.ours, " sees paint hit a tree right by him ");
        case kAmbushOnThem:
            return low ? join(n.theirs, " feels some dude is about to trash him ")
                       : join(n.theirs, " sees paint hit a tree right by him ");
        case kOurFlagRun: return join(n.ours, " is making for the flag.  ");
        case kTheirFlagRun: return join(n.theirs, " is making for the flag.  ");
        case kOurFlagHang: return join(n.ourCarrier, " makes a move to grab the flag !  ");
        case kTheirFlagHang: return join(n.theirCarrier, " makes a move to grab the flag !  ");
        default: return std::string();
    }
}

std::string development(int32_t kind, const Names& n, int32_t d) {
    switch (kind) {
        case kWeSpotThem:
            // The cautious wording for 4 draws in 10.
            return d <= 3 ? join(n.ours, " thinks he can take out ", n.theirs)
                          : join(n.ours, " decides to get closer and trash ", n.theirs);
        case kTheySpotUs:
            // The opponent takes the threatening wording for 7 draws in 10.
            return d <= 6 ? join(n.theirs, " decides to get closer and trash ", n.ours)
                          : join(n.theirs, " thinks he can take out ", n.ours);
        case kAmbushOnUs: return join(n.ours, " looks around but sees nobody");
        case kAmbushOnThem: return join(n.theirs, " looks around but sees nobody");
        default: return std::string();
    }
}

std::string flagHung(std::string_view carrier) { return join(carrier, " hangs the flag !!! "); }

std::string hitOnTheWay(std::string_view runner) { return join(runner, " took a hit in the ass"); }

std::string flagPickedUp(std::string_view runner) { return join(runner, " picks up the flag !!!"); }

std::string resolution(int32_t kind, const Names& n, bool success) {
    switch (kind) {
        case kWeSpotThem:
            return success ? join(n.theirs, " is trashed by ", n.ours) : join("But ", n.ours, " misses ");
        case kTheySpotUs:
            return success ? join(n.ours, " is trashed by ", n.theirs) : join("But ", n.theirs, " misses ");
        case kAmbushOnUs:
            return success ? join(n.ours, " is trashed by ", n.theirs, ". ", n.ours, " never saw it coming!!!")
                           : join(n.ours, " moves to a new position and avoids being trashed");
        case kAmbushOnThem:
            return success
                       ? join(n.theirs, " is trashed by ", n.ours, ". ", n.theirs, " never saw it coming!!!")
                       : join(n.theirs, " moves to a new position and avoids being trashed");
        default: return std::string();
    }
}

}  // namespace splat::narration
