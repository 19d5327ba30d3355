#include "splat_script/book_json.h"

namespace splat::script {
namespace {

using Json = nlohmann::ordered_json;

Json when(const BookWeek& w) { return Json{{"season", w.season}, {"week", w.week}}; }

Json table(const std::vector<TableRow>& rows) {
    Json out = Json::array();
    for (const TableRow& r : rows) {
        out.push_back({{"team", r.team},
                       {"name", r.name},
                       {"points", r.points},
                       {"games", r.games},
                       {"wins", r.wins},
                       {"ties", r.ties},
                       {"losses", r.losses},
                       {"strength", r.strength}});
    }
    return out;
}

Json games(const std::vector<GameResult>& list, bool withScores) {
    Json out = Json::array();
    for (const GameResult& g : list) {
        Json j{{"home", g.home}, {"away", g.away}, {"homeName", g.homeName}, {"awayName", g.awayName}};
        if (withScores) {
            j["homeScore"] = g.homeScore;
            j["awayScore"] = g.awayScore;
        }
        j["ours"] = g.ours;
        out.push_back(std::move(j));
    }
    return out;
}

Json squad(const std::vector<SquadLine>& lines) {
    Json out = Json::array();
    for (const SquadLine& l : lines) {
        out.push_back({{"name", l.name},
                       {"shooting", l.shooting},
                       {"tactics", l.tactics},
                       {"shootingGain", l.shootingGain},
                       {"tacticsGain", l.tacticsGain},
                       {"shootingBoost", l.shootingBoost},
                       {"tacticsBoost", l.tacticsBoost},
                       {"marker", l.marker}});
    }
    return out;
}

}  // namespace

Json bookToJson(const BookPages& book) {
    Json ledger = Json::array();
    for (const LedgerEntry& e : book.ledger) {
        Json j = when(e.when);
        j["kind"] = cashKindName(e.kind);
        j["amount"] = e.amount;
        j["balance"] = e.balance;
        ledger.push_back(std::move(j));
    }
    Json weeks = Json::array();
    for (const WeekRecord& w : book.weeks) {
        Json j = when(w.when);
        j["results"] = games(w.results, true);
        j["table"] = table(w.table);
        j["place"] = w.place;
        j["cash"] = w.cash;
        j["squad"] = squad(w.squad);
        j["leagueStrength"] = w.leagueStrength;
        weeks.push_back(std::move(j));
    }
    Json matches = Json::array();
    for (const MatchReport& m : book.matches) {
        Json lines = Json::array();
        for (const PlayLine& l : m.lines) {
            lines.push_back(
                {{"minute", l.minute}, {"ours", l.ourScore}, {"theirs", l.theirScore}, {"text", l.text}});
        }
        Json j = when(m.when);
        j["opponent"] = m.opponent;
        j["lines"] = std::move(lines);
        matches.push_back(std::move(j));
    }
    Json seasons = Json::array();
    for (const SeasonRecord& s : book.seasons) {
        seasons.push_back(
            {{"season", s.season}, {"table", table(s.table)}, {"place", s.place}, {"prize", s.prize}});
    }
    const Forecast& f = book.forecast;
    return Json{{"now", when(book.now)},
                {"ledger", std::move(ledger)},
                {"weeks", std::move(weeks)},
                {"matches", std::move(matches)},
                {"seasons", std::move(seasons)},
                {"table", table(book.table)},
                {"fixtures", games(book.fixtures, false)},
                {"leagueStrength", book.leagueStrength},
                {"forecast",
                 {{"cash", f.cash},
                  {"sureCosts", f.sureCosts},
                  {"leastIncome", f.leastIncome},
                  {"warning", f.warning},
                  {"text", f.text}}}};
}

}  // namespace splat::script
