#include "core/season_book.h"

#include <cstdlib>
#include <string>

#include "core/effect_sizes.h"
#include "core/saturating.h"
#include "core/team_strength.h"
#include "core/theft_rule.h"

namespace splat {

namespace {

constexpr const char* kWarningControl = "cashWarning";
// Room for a whole match's play-by-play, so that a match's lines are not
// moved from one buffer to the next as it goes on (a match says some forty).
constexpr size_t kLinesOfAMatch = 64;

std::string clubName(const GameState& s, int32_t team) {
    if (team == 1) return s.teamName;
    return team >= 1 && team <= kTeams ? s.teamNames[team] : std::string();
}

int32_t levelCost(const Indexed<int32_t, 3>& costs, int32_t level) {
    return level >= 1 && level <= 3 ? costs[level] : 0;
}

// The largest draw random(n) can make.
int64_t largestDraw(int64_t n) { return n == 0 ? 0 : std::llabs(n) - 1; }

std::string markerName(const GameState& s, int32_t marker) {
    return marker >= 1 && marker <= kMarkers ? s.markerNames[marker] : std::string();
}

std::string dollars(int64_t v) { return v < 0 ? "-$" + std::to_string(-v) : "$" + std::to_string(v); }

}  // namespace

const char* cashKindName(CashKind kind) {
    switch (kind) {
        case CashKind::OpeningBalance: return "Opening balance";
        case CashKind::MatchPrize: return "Match prize";
        case CashKind::SeasonPrize: return "Season prize";
        case CashKind::Sponsor: return "Sponsor";
        case CashKind::Art: return "Art production";
        case CashKind::LabIncome: return "Lab income";
        case CashKind::TrainingCosts: return "Training costs";
        case CashKind::PlayerSearch: return "Player search";
        case CashKind::PlayerHire: return "Player hired";
        case CashKind::CoachSearch: return "Coach search";
        case CashKind::CoachHire: return "Coach hired";
        case CashKind::MarkerPurchase: return "Marker bought";
        case CashKind::MarkerSale: return "Marker sold";
        case CashKind::OrbPurchase: return "Orb bought";
        case CashKind::TrainingPoints: return "Training points";
        case CashKind::Boost: return "Boost";
        case CashKind::LabUpgrade: return "Lab upgrade";
        case CashKind::SecurityUpgrade: return "Security upgrade";
        case CashKind::ChemistSearch: return "Chemist search";
        case CashKind::ChemistHire: return "Chemist hired";
        case CashKind::ArtUpgrade: return "Art upgrade";
        case CashKind::SponsorApplication: return "Sponsor application";
        case CashKind::SponsorCancellation: return "Sponsor dropped";
    }
    return "";
}

void SeasonBook::opened() {
    pages_ = BookPages{};
    season_ = {};
    weekResults_.clear();
    squadWeek_.clear();
    inMatch_ = false;
    pages_.now = {s_.season, s_.week};
    pages_.ledger.push_back({pages_.now, CashKind::OpeningBalance, s_.cash, s_.cash});
    changed();
}

void SeasonBook::cashChanged(CashKind kind, int64_t amount) {
    pages_.ledger.push_back({pages_.now, kind, amount, s_.cash});
    checkForecast();
    changed();
}

void SeasonBook::matchStarted() {
    inMatch_ = true;
    pages_.matches.push_back({pages_.now, clubName(s_, s_.opponentTeam), {}});
    pages_.matches.back().lines.reserve(kLinesOfAMatch);
    changed();
}

void SeasonBook::playLine(std::string_view text) {
    if (!inMatch_ || text.empty() || pages_.matches.empty()) return;
    pages_.matches.back().lines.push_back({s_.matchMinute, s_.ourScore, s_.theirScore, std::string(text)});
    changed();
}

void SeasonBook::matchEnded() {
    inMatch_ = false;
    squadWeek_.clear();
    squadWeek_.reserve(kPlayers);
    for (int j = 1; j <= kPlayers; ++j) {
        SquadLine line;
        line.name = s_.playerNames[1][j];
        line.shootingBoost = s_.shootingBoost[j];
        line.tacticsBoost = s_.tacticsBoost[j];
        squadWeek_.push_back(line);
    }
}

void SeasonBook::gamePlayed(int32_t home, int32_t away, int32_t homeScore, int32_t awayScore) {
    const bool ours = home == 1 || away == 1;
    weekResults_.push_back({home, away, clubName(s_, home), clubName(s_, away), homeScore, awayScore, ours});
    if (home < 1 || home > kTeams || away < 1 || away > kTeams) return;
    Record& h = season_[static_cast<size_t>(home)];
    Record& a = season_[static_cast<size_t>(away)];
    h.games += 1;
    a.games += 1;
    if (homeScore > awayScore) {
        h.wins += 1;
        a.losses += 1;
    } else if (homeScore == awayScore) {
        h.ties += 1;
        a.ties += 1;
    } else {
        h.losses += 1;
        a.wins += 1;
    }
}

void SeasonBook::trainingStarts() {
    for (int j = 1; j <= kPlayers; ++j) {
        shootingBefore_[static_cast<size_t>(j)] = s_.players[1][j].shooting;
        tacticsBefore_[static_cast<size_t>(j)] = s_.players[1][j].tactics;
    }
}

void SeasonBook::trainingDone() {
    if (squadWeek_.size() != kPlayers) squadWeek_.assign(kPlayers, SquadLine{});
    for (int j = 1; j <= kPlayers; ++j) {
        SquadLine& line = squadWeek_[static_cast<size_t>(j - 1)];
        const Player& p = s_.players[1][j];
        line.name = s_.playerNames[1][j];
        line.shooting = p.shooting;
        line.tactics = p.tactics;
        line.marker = markerName(s_, p.marker);
        line.shootingGain = clampToInt32(int64_t{p.shooting} - shootingBefore_[static_cast<size_t>(j)]);
        line.tacticsGain = clampToInt32(int64_t{p.tactics} - tacticsBefore_[static_cast<size_t>(j)]);
    }
}

void SeasonBook::seasonEnded() {
    const int32_t prize = s_.finalPlace >= 1 && s_.finalPlace <= 3 ? s_.seasonPrize : 0;
    pages_.seasons.push_back({s_.season, table(), s_.finalPlace, prize});
    season_ = {};
    changed();
}

void SeasonBook::weekSettled() {
    WeekRecord w;
    w.when = pages_.now;
    w.results = std::move(weekResults_);
    weekResults_.clear();
    w.table = table();
    for (const TableRow& row : w.table) {
        w.place += 1;
        if (row.team == 1) break;
    }
    w.cash = s_.cash;
    w.squad = squadWeek_.empty() ? squad(1) : std::move(squadWeek_);
    squadWeek_.clear();
    w.leagueStrength = leagueStrength();
    pages_.weeks.push_back(std::move(w));
    pages_.now = {s_.season, s_.week};
    checkForecast();
    changed();
}

Forecast SeasonBook::forecast() const {
    Forecast f;
    f.cash = s_.cash;
    f.sureCosts = clampToInt32(int64_t{levelCost(s_.shootingTrainingCost, s_.shootingTrainingLevel)} +
                               levelCost(s_.tacticsTrainingCost, s_.tacticsTrainingLevel));
    // A lost match may bring nothing; a sponsor gives at least its base and
    // art its income; the lab only when no thief can get in.
    int64_t least = 0;
    if (s_.sponsorBase > 0) least += s_.sponsorBase;
    if (s_.artLevel > 0) least += s_.artIncome;
    if (s_.labLevel > 0 && !theftPossible(s_.securityLevel)) {
        int64_t income = s_.labYield - largestDraw(s_.labYield / kLabSpreadDivisor);
        if (s_.hasOrb[kOrbAcid]) income += (income / 100) * kAcidPerHundred;
        least += income;
    }
    f.leastIncome = clampToInt32(least);
    f.warning = int64_t{f.cash} + f.leastIncome - f.sureCosts < 0;
    if (f.warning) {
        f.text = "Next week's training costs " + dollars(f.sureCosts) + " and sure income " +
                 dollars(f.leastIncome) + " could leave the cash below zero: lower the training level or " +
                 "sell a marker.";
    }
    return f;
}

void SeasonBook::checkForecast() {
    const Forecast f = forecast();
    if (f.warning == warningShown_ && f.text == warningText_) return;
    const bool turnedOn = f.warning && !warningShown_;
    warningShown_ = f.warning;
    warningText_ = f.text;
    win_.setVisible(kWarningControl, f.warning);
    win_.setToolTip(kWarningControl, f.text);
    if (turnedOn) win_.announce(f.text);
    changed();
}

void SeasonBook::open() { win_.openBook(pages()); }

const BookPages& SeasonBook::pages() {
    pages_.clubName = s_.teamName;
    pages_.table = table();
    pages_.fixtures.clear();
    for (int e = 1; e <= kPairings; ++e) {
        const Pairing p = s_.pairings[e];
        pages_.fixtures.push_back({p.first, p.second, clubName(s_, p.first), clubName(s_, p.second), 0, 0,
                                   p.first == 1 || p.second == 1});
    }
    pages_.leagueStrength = leagueStrength();
    pages_.clubs.clear();
    for (int t = 1; t <= kTeams; ++t) pages_.clubs.push_back(squad(t));
    pages_.forecast = forecast();
    return pages_;
}

std::vector<TableRow> SeasonBook::table() const {
    std::vector<TableRow> rows;
    rows.reserve(kTeams);
    for (int i = 1; i <= kTeams; ++i) {
        const int32_t team = s_.tableTeam[i];
        TableRow row;
        row.team = team;
        row.name = clubName(s_, team);
        row.points = s_.tablePoints[i];
        if (team >= 1 && team <= kTeams) {
            const Record& r = season_[static_cast<size_t>(team)];
            row.games = r.games;
            row.wins = r.wins;
            row.ties = r.ties;
            row.losses = r.losses;
            row.strength = teamStrength(s_, team);
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<SquadLine> SeasonBook::squad(int32_t team) const {
    std::vector<SquadLine> lines;
    lines.reserve(kPlayers);
    for (int j = 1; j <= kPlayers; ++j) {
        SquadLine line;
        line.name = s_.playerNames[team][j];
        line.shooting = s_.players[team][j].shooting;
        line.tactics = s_.players[team][j].tactics;
        line.marker = markerName(s_, s_.players[team][j].marker);
        lines.push_back(line);
    }
    return lines;
}

int32_t SeasonBook::leagueStrength() const {
    int64_t sum = 0;
    for (int t = 1; t <= kTeams; ++t) sum += teamStrength(s_, t);
    return clampToInt32(sum / kTeams);
}

void SeasonBook::changed() {
    if (win_.bookShown()) win_.updateBook(pages());
}

}  // namespace splat
