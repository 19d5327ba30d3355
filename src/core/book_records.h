#pragma once
// What the season book keeps of a game: plain records of money, results,
// tables, the squad's progress and the play-by-play, in the order they
// happened. The book fills them; the driver prints them and the book's window
// shows them. Nothing here knows the game state.

#include <cstdint>
#include <string>
#include <vector>

namespace splat {

// Why the cash changed.
enum class CashKind {
    OpeningBalance,
    MatchPrize,
    SeasonPrize,
    Sponsor,
    Art,
    LabIncome,
    TrainingCosts,
    PlayerSearch,
    PlayerHire,
    CoachSearch,
    CoachHire,
    MarkerPurchase,
    MarkerSale,
    OrbPurchase,
    TrainingPoints,
    Boost,
    LabUpgrade,
    SecurityUpgrade,
    ChemistSearch,
    ChemistHire,
    ArtUpgrade,
    SponsorApplication,
    SponsorCancellation,
};

// The words a ledger line uses for a kind ("Match prize", "Marker bought").
const char* cashKindName(CashKind kind);

// A week of a season: purchases between matches belong to the week being
// prepared, and its match and settlement close it.
struct BookWeek {
    int32_t season = 0;
    int32_t week = 0;
    bool operator==(const BookWeek&) const = default;
};

struct LedgerEntry {
    BookWeek when;
    CashKind kind = CashKind::OpeningBalance;
    int64_t amount = 0;   // what the cash changed by (negative: spent)
    int32_t balance = 0;  // the cash after it
};

struct TableRow {
    int32_t team = 0;
    std::string name;
    int32_t points = 0;
    int32_t games = 0;
    int32_t wins = 0;
    int32_t ties = 0;
    int32_t losses = 0;
    int32_t strength = 0;  // sum of the five players' shooting and tactics
};

// One of the week's five games: scores for the player's, duel tallies for
// the four simulated ones.
struct GameResult {
    int32_t home = 0;
    int32_t away = 0;
    std::string homeName;
    std::string awayName;
    int32_t homeScore = 0;
    int32_t awayScore = 0;
    bool ours = false;
};

// One of the player's five after a week.
struct SquadLine {
    std::string name;
    int32_t shooting = 0;
    int32_t tactics = 0;
    int32_t shootingGain = 0;  // from this week's training
    int32_t tacticsGain = 0;
    int32_t shootingBoost = 0;  // paid for this week's match
    int32_t tacticsBoost = 0;
    std::string marker;  // the marker's name ("" for none)
};

struct WeekRecord {
    BookWeek when;
    std::vector<GameResult> results;
    std::vector<TableRow> table;  // the league table after the week
    int32_t place = 0;            // the player's row in it
    int32_t cash = 0;             // after the week's accounts
    std::vector<SquadLine> squad;
    int32_t leagueStrength = 0;  // the average strength of the ten clubs
};

struct PlayLine {
    int32_t minute = 0;
    int32_t ourScore = 0;
    int32_t theirScore = 0;
    std::string text;
};

struct MatchReport {
    BookWeek when;
    std::string opponent;
    std::vector<PlayLine> lines;
};

struct SeasonRecord {
    int32_t season = 0;
    std::vector<TableRow> table;  // the final standings
    int32_t place = 0;
    int32_t prize = 0;
};

// What the next settlement is sure to take and the least it is sure to bring.
struct Forecast {
    int32_t cash = 0;
    int32_t sureCosts = 0;
    int32_t leastIncome = 0;
    bool warning = false;  // the cash after it could fall below zero
    std::string text;      // the warning and what to do about it ("" without one)
};

// Everything the book shows: the records and the league as it stands now.
struct BookPages {
    std::string clubName;
    BookWeek now;
    std::vector<LedgerEntry> ledger;
    std::vector<WeekRecord> weeks;
    std::vector<MatchReport> matches;
    std::vector<SeasonRecord> seasons;
    std::vector<TableRow> table;                // the league table now
    std::vector<GameResult> fixtures;           // this week's pairings (no scores)
    int32_t leagueStrength = 0;                 // the average strength now
    std::vector<std::vector<SquadLine>> clubs;  // each club's five now, club 1 first
    Forecast forecast;
};

}  // namespace splat
