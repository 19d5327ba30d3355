#pragma once
// The one record of everything a running game knows. Arrays are sized so the
// game's own 1-based indices (teams 1..10, players 1..5, rows 1..10, pairings
// 1..5, orbs 1..6, markers 0..11, sponsors 1..4, levels 1..3, chemists 1..20,
// roster 1..100) are used directly; index 0 is unused except for markers.

#include <array>
#include <cstdint>
#include <string>

namespace splat {

constexpr int kTeams = 10;
constexpr int kPlayers = 5;
constexpr int kPairings = 5;
constexpr int kMarkers = 11;
constexpr int kOrbs = 6;
constexpr int kSponsors = 4;
constexpr int kRosterSize = 100;
constexpr int kChemistRosterSize = 20;

// The orbs, in shop order (hasOrb, orbPrice and orbNames are indexed by them).
constexpr int kOrbAccuracy = 1;
constexpr int kOrbWisdom = 2;
constexpr int kOrbLore = 3;
constexpr int kOrbChaos = 4;
constexpr int kOrbAcid = 5;
constexpr int kOrbTrainingPool = 6;

// One player: 20 signed 32-bit slots, of which six carry game data.
struct Player {
    int32_t shooting = 0;  // slot 0: shooting accuracy
    int32_t tactics = 0;   // slot 1
    int32_t slot2 = 0;
    int32_t slot3 = 0;
    int32_t marker = 0;  // slot 4: marker model 0..11 (0 = none)
    int32_t slot5 = 0;
    int32_t slot6 = 0;
    int32_t hits = 0;           // slot 7: opponents hit this season
    int32_t flagsPickedUp = 0;  // slot 8
    int32_t flagsHung = 0;      // slot 9
    std::array<int32_t, 10> slots10to19{};

    bool operator==(const Player&) const = default;
};
static_assert(sizeof(Player) == 20 * sizeof(int32_t), "a player is 20 slots");

struct Pairing {
    int32_t first = 0;
    int32_t second = 0;
    bool operator==(const Pairing&) const = default;
};

struct ScoutedChemist {
    int32_t rosterIndex = 0;  // into chemistRoster, 1..20
    int32_t degree = 0;
    int32_t experience = 0;
    int32_t knowledge = 0;
    bool operator==(const ScoutedChemist&) const = default;
};

template <typename T, int Last>
using Indexed = std::array<T, Last + 1>;  // valid indices 0..Last, the game uses 1..Last

struct GameState {
    // Constant tables, filled at first start.
    Indexed<std::string, kTeams> teamNames;
    Indexed<std::string, kMarkers> markerNames;  // 0..11
    Indexed<std::string, kOrbs> orbNames;
    Indexed<std::string, kSponsors> sponsorCompany;
    Indexed<int32_t, kSponsors> sponsorAmount{};
    Indexed<std::string, kRosterSize> roster;
    Indexed<std::string, kChemistRosterSize> chemistRoster;

    // Teams.
    Indexed<Indexed<Player, kPlayers>, kTeams> players{};
    Indexed<Indexed<std::string, kPlayers>, kTeams> playerNames;
    std::string teamName;  // what the player typed; shown for team 1

    // League.
    Indexed<int32_t, kTeams> tableTeam{};
    Indexed<int32_t, kTeams> tablePoints{};
    Indexed<Pairing, kPairings> pairings{};
    int32_t yourPairing = 0;
    int32_t opponentTeam = 0;

    // Season.
    int32_t week = 0;
    int32_t season = 0;
    int32_t gamesPerSeason = 0;
    int32_t difficulty = 0;
    int32_t finalPlace = 0;
    int32_t seasonPrize = 0;
    int32_t trophies1st = 0;
    int32_t trophies2nd = 0;
    int32_t trophies3rd = 0;
    int32_t unbeatenRun = 0;

    // Finances.
    int32_t cash = 0;
    int32_t labLevel = 0;
    int32_t securityLevel = 0;
    int32_t labYield = 0;
    int32_t labUpgradePrice = 0;
    int32_t securityUpgradePrice = 0;
    std::string chemistName;
    int32_t chemistDegree = 0;
    int32_t chemistExperience = 0;
    int32_t chemistKnowledge = 0;
    int32_t artLevel = 0;
    int32_t artIncome = 0;
    int32_t artUpgradePrice = 0;
    std::string sponsorName;
    int32_t sponsorBase = 0;
    int32_t sponsorDonation = 0;
    int32_t pointsPerGame = 0;  // league points a week at the last sponsor application

    // Coach and training.
    std::string coachName;
    int32_t coachShooting = 0;
    int32_t coachTactics = 0;
    Indexed<int32_t, 3> shootingTrainingCost{};
    Indexed<int32_t, 3> tacticsTrainingCost{};
    int32_t shootingTrainingLevel = 0;  // 0 None .. 3 Advanced
    int32_t tacticsTrainingLevel = 0;
    int32_t trainingPoints = 0;
    int32_t trainingPointsPrice = 0;
    int32_t trainingPriceBase = 0;
    int32_t trainingExpenses = 0;

    // Gear and artifacts.
    Indexed<int32_t, kMarkers> markerPrice{};  // [0] stays 0
    Indexed<bool, kOrbs> hasOrb{};
    Indexed<int32_t, kOrbs> orbPrice{};
    int32_t selectedPlayer = 0;
    int32_t markerSalePrice = 0;

    // Tactics.
    Indexed<int32_t, kPlayers> shootingBoost{};
    Indexed<int32_t, kPlayers> tacticsBoost{};
    Indexed<int32_t, kPlayers> boostPrice{};
    Indexed<int32_t, kPlayers> flagPriority{};  // 0 high, 1 regular, 2 low
    Indexed<int32_t, kPlayers> priorityShootingBonus{};
    Indexed<int32_t, kPlayers> priorityFlagBonus{};
    int32_t gameSpeed = 0;  // match tick interval in ms

    // Market: the results of the last searches.
    int32_t searchQuality = 0;  // what bounded the last search's candidate
    std::string scoutedPlayerName;
    Player scoutedPlayer{};
    int32_t scoutedPlayerPrice = 0;
    std::string scoutedCoachName;
    int32_t scoutedCoachShooting = 0;
    int32_t scoutedCoachTactics = 0;
    int32_t scoutedCoachPrice = 0;
    ScoutedChemist scoutedChemist{};
    int32_t scoutedChemistPrice = 0;

    // Match in progress.
    int32_t ourScore = 0;
    int32_t theirScore = 0;
    int32_t matchMinute = 0;
    int32_t matchPhase = 0;
    bool matchOver = false;  // a hung flag or a side all out ends the match this tick
    int32_t exchangeKind = 0;
    int32_t exchangeRoll = 0;
    int32_t ourActor = 0;
    int32_t theirActor = 0;
    int32_t shootingEdge = 0;
    int32_t tacticsEdge = 0;
    int32_t ourFlagCarrier = 0;
    int32_t theirFlagCarrier = 0;
    Indexed<bool, kPlayers> ourHasFlag{};
    Indexed<bool, kPlayers> theirHasFlag{};
    Indexed<bool, kPlayers> ourOut{};
    Indexed<bool, kPlayers> theirOut{};
    int32_t matchPrize = 0;
    int32_t homeStrength = 0;
    int32_t awayStrength = 0;
    int32_t homeTally = 0;
    int32_t awayTally = 0;
    int32_t ourShootingAverage = 0;
    int32_t ourTacticsAverage = 0;

    // Settings.
    bool soundOn = false;
    bool musicOn = false;
};

}  // namespace splat
