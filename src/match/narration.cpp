#include "match/narration.h"

namespace splat::narration {

bool announcementHasTwoWordings(int32_t kind) { return kind >= 1 && kind <= 4; }

bool developmentHasTwoWordings(int32_t kind) { return kind == 1 || kind == 2; }

std::string announcement(int32_t kind, const Names& n, int32_t d) {
    const bool low = d <= 3;
    switch (kind) {
    case 1:
        return low ? n.ours + " sees " + n.theirs + " running toward a barricade"
                   : n.ours + " spots " + n.theirs + " near a barricade";
    case 2:
        return low ? n.theirs + " spots " + n.ours + " near a barricade"
                   : n.theirs + " sees " + n.ours + " running toward a barricade";
    case 3:
        return low ? n.ours + " feels some dude is about to trash him "
                   : n.ours + " sees paint hit a tree right by him ";
    case 4:
        return low ? n.theirs + " feels some dude is about to trash him "
                   : n.theirs + " sees paint hit a tree right by him ";
    case 5: return n.ours + " is making for the flag.  ";
    case 6: return n.theirs + " is making for the flag.  ";
    case 7: return n.ourCarrier + " makes a move to grab the flag !  ";
    case 8: return n.theirCarrier + " makes a move to grab the flag !  ";
    default: return std::string();
    }
}

std::string development(int32_t kind, const Names& n, int32_t d) {
    switch (kind) {
    case 1:
        // The cautious wording for 4 draws in 10.
        return d <= 3 ? n.ours + " thinks he can take out " + n.theirs
                      : n.ours + " decides to get closer and trash " + n.theirs;
    case 2:
        // The opponent takes the threatening wording for 7 draws in 10.
        return d <= 6 ? n.theirs + " decides to get closer and trash " + n.ours
                      : n.theirs + " thinks he can take out " + n.ours;
    case 3: return n.ours + " looks around but sees nobody";
    case 4: return n.theirs + " looks around but sees nobody";
    default: return std::string();
    }
}

std::string flagHung(const std::string& carrier) { return carrier + " hangs the flag !!! "; }

std::string hitOnTheWay(const std::string& runner) { return runner + " took a hit in the ass"; }

std::string flagPickedUp(const std::string& runner) { return runner + " picks up the flag !!!"; }

std::string resolution(int32_t kind, const Names& n, bool success) {
    switch (kind) {
    case 1:
        return success ? n.theirs + " is trashed by " + n.ours : "But " + n.ours + " misses ";
    case 2:
        return success ? n.ours + " is trashed by " + n.theirs : "But " + n.theirs + " misses ";
    case 3:
        return success ? n.ours + " is trashed by " + n.theirs + ". " + n.ours + " never saw it coming!!!"
                       : n.ours + " moves to a new position and avoids being trashed";
    case 4:
        return success ? n.theirs + " is trashed by " + n.ours + ". " + n.theirs + " never saw it coming!!!"
                       : n.theirs + " moves to a new position and avoids being trashed";
    default: return std::string();
    }
}

}  // namespace splat::narration
