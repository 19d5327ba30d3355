#include "match/narration.h"

#include "match/exchange.h"

namespace splat::narration {

using namespace exchange;

bool announcementHasTwoWordings(int32_t kind) { return kind >= kWeSpotThem && kind <= kAmbushOnThem; }

bool developmentHasTwoWordings(int32_t kind) { return kind == kWeSpotThem || kind == kTheySpotUs; }

std::string announcement(int32_t kind, const Names& n, int32_t d) {
    const bool low = d <= 3;
    switch (kind) {
        case kWeSpotThem:
            return low ? n.ours + " sees " + n.theirs + " running toward a barricade"
                       : n.ours + " spots " + n.theirs + " near a barricade";
        case kTheySpotUs:
            return low ? n.theirs + " spots " + n.ours + " near a barricade"
                       : n.theirs + " sees " + n.ours + " running toward a barricade";
        case kAmbushOnUs:
            return low ? n.ours + " feels some dude is about to trash him "
                       : n.ours + " sees paint hit a tree right by him ";
        case kAmbushOnThem:
            return low ? n.theirs + " feels some dude is about to trash him "
                       : n.theirs + " sees paint hit a tree right by him ";
        case kOurFlagRun: return n.ours + " is making for the flag.  ";
        case kTheirFlagRun: return n.theirs + " is making for the flag.  ";
        case kOurFlagHang: return n.ourCarrier + " makes a move to grab the flag !  ";
        case kTheirFlagHang: return n.theirCarrier + " makes a move to grab the flag !  ";
        default: return std::string();
    }
}

std::string development(int32_t kind, const Names& n, int32_t d) {
    switch (kind) {
        case kWeSpotThem:
            // The cautious wording for 4 draws in 10.
            return d <= 3 ? n.ours + " thinks he can take out " + n.theirs
                          : n.ours + " decides to get closer and trash " + n.theirs;
        case kTheySpotUs:
            // The opponent takes the threatening wording for 7 draws in 10.
            return d <= 6 ? n.theirs + " decides to get closer and trash " + n.ours
                          : n.theirs + " thinks he can take out " + n.ours;
        case kAmbushOnUs: return n.ours + " looks around but sees nobody";
        case kAmbushOnThem: return n.theirs + " looks around but sees nobody";
        default: return std::string();
    }
}

std::string flagHung(const std::string& carrier) { return carrier + " hangs the flag !!! "; }

std::string hitOnTheWay(const std::string& runner) { return runner + " took a hit in the ass"; }

std::string flagPickedUp(const std::string& runner) { return runner + " picks up the flag !!!"; }

std::string resolution(int32_t kind, const Names& n, bool success) {
    switch (kind) {
        case kWeSpotThem: return success ? n.theirs + " is trashed by " + n.ours : "But " + n.ours + " misses ";
        case kTheySpotUs:
            return success ? n.ours + " is trashed by " + n.theirs : "But " + n.theirs + " misses ";
        case kAmbushOnUs:
            return success ? n.ours + " is trashed by " + n.theirs + ". " + n.ours + " never saw it coming!!!"
                           : n.ours + " moves to a new position and avoids being trashed";
        case kAmbushOnThem:
            return success ? n.theirs + " is trashed by " + n.ours + ". " + n.theirs + " never saw it coming!!!"
                           : n.theirs + " moves to a new position and avoids being trashed";
        default: return std::string();
    }
}

}  // namespace splat::narration
