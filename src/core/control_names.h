#pragma once
// Names of the controls the game logic addresses, declared once. Controls
// whose layout name says what they are ("yscore", "buytp") are written as
// they are; the ones with a bare number for a name, and the groups the logic
// works on as a whole, are named here.

#include <array>
#include <string>

#include "core/game_state.h"

namespace splat {

// Names of numbered controls ("replace3", "Panel28", "pagrees5").
inline std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }

namespace controls {

// Options panel: the difficulty choice and the season length, which can be
// changed only until the first match of a game.
inline constexpr const char* kDifficultyGroup = "Panel59";
inline constexpr const char* kSeasonLengthGroup = "Panel61";

// Scout page: what the last searches turned up.
inline constexpr const char* kPlayerOffer = "Panel23";     // the player found
inline constexpr const char* kReplaceButtons = "Panel24";  // whom he would replace
inline constexpr const char* kCoachOffer = "Panel25";      // the coach found
inline constexpr const char* kHireCoach = "replaceyourcoach";
inline constexpr std::array<const char*, 4> kSearchOffers = {kPlayerOffer, kReplaceButtons, kCoachOffer,
                                                             kHireCoach};

// Tactics page: the names in positions 1..5.
inline constexpr std::array<const char*, kPlayers + 1> kPositionLabels = {
    "", "firstplayer", "secondplayer", "thirdplayer", "fourthplayer", "fifthplayer"};

// Tactics page: the opponent's players facing positions 1..5.
inline constexpr std::array<const char*, kPlayers + 1> kOpponentLabels = {
    "", "fopponent", "sopponent", "topponent", "fourthopponent", "fifthopponent"};

// Tactics page: the names beside the boost buttons of positions 1..5.
inline constexpr std::array<const char*, kPlayers + 1> kBoostLabels = {
    "", "firstboost", "secondboost", "thirdboost", "fourthboost", "fifthboost"};

// Gear page: the ">" labels in front of players 1..5, one shown at a time.
inline constexpr std::array<const char*, kPlayers + 1> kPointerLabels = {"",        "Label59", "Label61",
                                                                         "Label62", "Label63", "Label64"};

// Finances page: the chemist a search found.
inline constexpr const char* kChemistOffer = "Panel68";

// Finances page: sponsor k's offer (1..4) and its company's name.
inline std::string sponsorOffer(int k) { return numbered("Panel", 26 + k); }
inline std::string sponsorCompanyLabel(int k) { return numbered("Label", 35 + k); }

// Next game page: both squads (the first team of the pairing stands on the
// left), the clock and the two scores.
// The Next game page's two columns: the first team of the pairing stands on
// the left, so the refresh moves each squad and score box to its column.
inline constexpr int kLeftColumnX = 59;
inline constexpr int kRightColumnX = 315;
inline constexpr const char* kOurSquad = "Panel18";
inline constexpr const char* kTheirSquad = "Panel19";
inline constexpr const char* kMatchClock = "Panel39";
inline constexpr const char* kOurScoreBox = "Panel40";
inline constexpr const char* kTheirScoreBox = "Panel41";

// Trophy room: the counts of first, second and third places.
inline constexpr std::array<const char*, 3> kTrophyCounts = {"TForm4.ft", "TForm4.st", "TForm4.tt"};

}  // namespace controls
}  // namespace splat
