#include "splat_script/state_json.h"

#include <set>
#include <string>

namespace splat::script {
namespace {

using Json = nlohmann::ordered_json;

// The game's flags are written as 0 and 1.
template <typename T>
const T& number(const T& v) {
    return v;
}
int number(bool v) { return v ? 1 : 0; }

// Elements first..last of a game array, as one JSON array.
template <typename Array>
Json range(const Array& a, int first, int last) {
    Json out = Json::array();
    for (int i = first; i <= last; ++i) out.push_back(number(a[i]));
    return out;
}

template <typename Array>
Json oneBased(const Array& a) {
    return range(a, 1, static_cast<int>(a.size()) - 1);
}

Json playerJson(const Player& p) {
    return Json{
        {"shooting", p.shooting},           {"tactics", p.tactics},    {"marker", p.marker}, {"hits", p.hits},
        {"flagsPickedUp", p.flagsPickedUp}, {"flagsHung", p.flagsHung}};
}

}  // namespace

Json stateToJson(const GameState& s) {
    Json j;
    j["teamNames"] = oneBased(s.teamNames);
    j["markerNames"] = range(s.markerNames, 0, kMarkers);
    j["orbNames"] = oneBased(s.orbNames);
    j["sponsorCompany"] = oneBased(s.sponsorCompany);
    j["sponsorAmount"] = oneBased(s.sponsorAmount);
    j["roster"] = oneBased(s.roster);
    j["chemistRoster"] = oneBased(s.chemistRoster);

    Json players = Json::array();
    Json names = Json::array();
    for (int t = 1; t <= kTeams; ++t) {
        Json team = Json::array();
        for (int p = 1; p <= kPlayers; ++p) team.push_back(playerJson(s.players[t][p]));
        players.push_back(team);
        names.push_back(oneBased(s.playerNames[t]));
    }
    j["players"] = players;
    j["playerNames"] = names;
    j["teamName"] = s.teamName;

    j["tableTeam"] = oneBased(s.tableTeam);
    j["tablePoints"] = oneBased(s.tablePoints);
    Json pairings = Json::array();
    for (int e = 1; e <= kPairings; ++e) {
        pairings.push_back(Json{{"first", s.pairings[e].first}, {"second", s.pairings[e].second}});
    }
    j["pairings"] = pairings;
    j["yourPairing"] = s.yourPairing;
    j["opponentTeam"] = s.opponentTeam;

    j["week"] = s.week;
    j["season"] = s.season;
    j["gamesPerSeason"] = s.gamesPerSeason;
    j["difficulty"] = s.difficulty;
    j["finalPlace"] = s.finalPlace;
    j["seasonPrize"] = s.seasonPrize;
    j["trophies1st"] = s.trophies1st;
    j["trophies2nd"] = s.trophies2nd;
    j["trophies3rd"] = s.trophies3rd;
    j["unbeatenRun"] = s.unbeatenRun;

    j["cash"] = s.cash;
    j["labLevel"] = s.labLevel;
    j["securityLevel"] = s.securityLevel;
    j["labYield"] = s.labYield;
    j["labUpgradePrice"] = s.labUpgradePrice;
    j["securityUpgradePrice"] = s.securityUpgradePrice;
    j["chemistName"] = s.chemistName;
    j["chemistDegree"] = s.chemistDegree;
    j["chemistExperience"] = s.chemistExperience;
    j["chemistKnowledge"] = s.chemistKnowledge;
    j["artLevel"] = s.artLevel;
    j["artIncome"] = s.artIncome;
    j["artUpgradePrice"] = s.artUpgradePrice;
    j["sponsorName"] = s.sponsorName;
    j["sponsorBase"] = s.sponsorBase;
    j["sponsorDonation"] = s.sponsorDonation;

    j["coachName"] = s.coachName;
    j["coachShooting"] = s.coachShooting;
    j["coachTactics"] = s.coachTactics;
    j["shootingTrainingCost"] = oneBased(s.shootingTrainingCost);
    j["tacticsTrainingCost"] = oneBased(s.tacticsTrainingCost);
    j["shootingTrainingLevel"] = s.shootingTrainingLevel;
    j["tacticsTrainingLevel"] = s.tacticsTrainingLevel;
    j["trainingPoints"] = s.trainingPoints;
    j["trainingPointsPrice"] = s.trainingPointsPrice;
    j["trainingPriceBase"] = s.trainingPriceBase;
    j["trainingExpenses"] = s.trainingExpenses;

    j["markerPrice"] = oneBased(s.markerPrice);
    j["hasOrb"] = oneBased(s.hasOrb);
    j["orbPrice"] = oneBased(s.orbPrice);
    j["selectedPlayer"] = s.selectedPlayer;
    j["markerSalePrice"] = s.markerSalePrice;

    j["shootingBoost"] = oneBased(s.shootingBoost);
    j["tacticsBoost"] = oneBased(s.tacticsBoost);
    j["boostPrice"] = oneBased(s.boostPrice);
    j["flagPriority"] = oneBased(s.flagPriority);
    j["priorityShootingBonus"] = oneBased(s.priorityShootingBonus);
    j["priorityFlagBonus"] = oneBased(s.priorityFlagBonus);
    j["gameSpeed"] = s.gameSpeed;

    j["scoutedPlayerName"] = s.scoutedPlayerName;
    j["scoutedPlayer"] = Json{{"shooting", s.scoutedPlayer.shooting},
                              {"tactics", s.scoutedPlayer.tactics},
                              {"marker", s.scoutedPlayer.marker}};
    j["scoutedPlayerPrice"] = s.scoutedPlayerPrice;
    j["scoutedCoachName"] = s.scoutedCoachName;
    j["scoutedCoachShooting"] = s.scoutedCoachShooting;
    j["scoutedCoachTactics"] = s.scoutedCoachTactics;
    j["scoutedCoachPrice"] = s.scoutedCoachPrice;
    j["scoutedChemist"] = Json{{"rosterIndex", s.scoutedChemist.rosterIndex},
                               {"degree", s.scoutedChemist.degree},
                               {"experience", s.scoutedChemist.experience},
                               {"knowledge", s.scoutedChemist.knowledge}};
    j["scoutedChemistPrice"] = s.scoutedChemistPrice;

    j["ourScore"] = s.ourScore;
    j["theirScore"] = s.theirScore;
    j["matchMinute"] = s.matchMinute;
    j["matchPhase"] = s.matchPhase;
    j["matchOver"] = number(s.matchOver);
    j["exchangeKind"] = s.exchangeKind;
    j["exchangeRoll"] = s.exchangeRoll;
    j["ourActor"] = s.ourActor;
    j["theirActor"] = s.theirActor;
    j["shootingEdge"] = s.shootingEdge;
    j["tacticsEdge"] = s.tacticsEdge;
    j["ourFlagCarrier"] = s.ourFlagCarrier;
    j["theirFlagCarrier"] = s.theirFlagCarrier;
    j["ourHasFlag"] = oneBased(s.ourHasFlag);
    j["theirHasFlag"] = oneBased(s.theirHasFlag);
    j["ourOut"] = oneBased(s.ourOut);
    j["theirOut"] = oneBased(s.theirOut);
    j["matchPrize"] = s.matchPrize;
    j["homeStrength"] = s.homeStrength;
    j["awayStrength"] = s.awayStrength;
    j["homeTally"] = s.homeTally;
    j["awayTally"] = s.awayTally;
    j["ourShootingAverage"] = s.ourShootingAverage;
    j["ourTacticsAverage"] = s.ourTacticsAverage;

    j["soundOn"] = number(s.soundOn);
    j["musicOn"] = number(s.musicOn);
    return j;
}

Json viewToJson(const HeadlessWindow& window) {
    static const std::set<std::string> kMovedPanels = {"Panel18", "Panel19", "Panel40", "Panel41"};
    Json view;
    for (const ControlState& c : window.controls()) {
        if (c.desc->extra) continue;
        Json entry{{"text", c.text}, {"visible", c.visible}, {"enabled", c.enabled}};
        if (kMovedPanels.count(c.desc->name)) entry["x"] = c.x;
        if (c.desc->kind == ControlKind::RadioGroup) {
            entry["items"] = c.desc->items;
            entry["index"] = c.itemIndex;
        }
        if (c.desc->kind == ControlKind::RadioButton) entry["checked"] = c.itemIndex == 1;
        view[c.desc->name] = entry;
    }
    return view;
}

}  // namespace splat::script
