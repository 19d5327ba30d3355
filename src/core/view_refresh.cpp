// The refresh: rewrites the labels of every page from the state, with the
// supporters' favourite and the sides of the Next game page worked out on
// the way.

#include <algorithm>
#include <array>
#include <string>

#include "core/chemist_degrees.h"
#include "core/control_names.h"
#include "core/saturating.h"
#include "core/views.h"

namespace splat {
namespace {

// Names like "ystatus3" built once, so the refresh does not assemble them.
struct Family {
    explicit Family(const char* stem, int count = 5) {
        for (int i = 1; i <= count; ++i) names[i] = stem + std::to_string(i);
    }
    const std::string& operator[](int i) const { return names[i]; }
    std::array<std::string, 12> names;
};

const std::string& markerName(const GameState& s, int32_t marker) {
    return s.markerNames[marker >= 0 && marker <= kMarkers ? marker : 0];
}

}  // namespace

void Views::show(const Favourites& favourites) {
    static const Family pp("pp"), boostprice("boostprice"), ot("ot"), ft("ft"), fh("fh");
    static const Family playername("playername"), sfam("s"), shoot("shoot"), mfam("m");
    static const Family pla("pla"), wfam("w"), pl("pl"), teamLabel("team", 10), teampoints("teampoints", 10);
    static const Family yourplayer("yourplayer"), ystatus("ystatus"), opponent("opponent"), ostatus("ostatus");
    static const Family rteam("rteam", 10), win("win");
    static const Family price("price", kMarkers), aprice("aprice", kOrbs);

    const GameState& s = s_;
    Window& w = win_;
    const auto& ours = s.players[1];
    const auto& ourNames = s.playerNames[1];

    const Pairing& yours = s.pairings[s.yourPairing];
    const int32_t opp = s.opponentTeam;

    // Training points.
    w.setText("tpprice", std::to_string(s.trainingPointsPrice));
    w.setText("tpnumber", std::to_string(s.trainingPoints));

    // A chemist found by a search is no longer offered.
    w.setVisible(controls::kChemistOffer, false);
    w.setVisible("buychemist", false);

    // The chemist.
    w.setText("chemistname", s.chemistName);
    if (s.chemistDegree >= 1 && s.chemistDegree <= 6) w.setText("degree", kOwnChemistDegree[s.chemistDegree]);
    w.setText("exp", std::to_string(s.chemistExperience));
    w.setText("knowledge", std::to_string(s.chemistKnowledge));

    // Names on the tactics pages.
    for (int j = 1; j <= kPlayers; ++j) {
        w.setText(pp[j], ourNames[j]);
        w.setText(controls::kBoostLabels[j], ourNames[j]);
    }

    // Boost prices.
    for (int j = 1; j <= kPlayers; ++j) w.setText(boostprice[j], std::to_string(s.boostPrice[j]));

    // Season statistics.
    for (int j = 1; j <= kPlayers; ++j) {
        w.setText(ot[j], std::to_string(ours[j].hits));
        w.setText(ft[j], std::to_string(ours[j].flagsPickedUp));
        w.setText(fh[j], std::to_string(ours[j].flagsHung));
    }

    // The supporters' favourite: most hits and flags, the lower number first on a tie.
    Indexed<int32_t, kPlayers> fanScore{};
    Indexed<int32_t, kPlayers> fanOrder{};
    for (int j = 1; j <= kPlayers; ++j) {
        fanScore[j] = clampToInt32(int64_t{ours[j].hits} + 2 * int64_t{ours[j].flagsPickedUp} +
                                   2 * int64_t{ours[j].flagsHung});
        fanOrder[j] = j;
    }
    std::stable_sort(fanOrder.begin() + 1, fanOrder.end(),
                     [&fanScore](int32_t a, int32_t b) { return fanScore[a] > fanScore[b]; });
    w.setText("sf", ourNames[fanOrder[1]]);

    // The match display is reset.
    w.setVisible(controls::kMatchClock, false);
    w.setVisible(controls::kOurScoreBox, false);
    w.setVisible(controls::kTheirScoreBox, false);
    w.setText("lbltime", "");
    w.setText("yscore", "0");
    w.setText("oscore", "0");

    // Header.
    w.setText("yteamname", s.teamName);

    // Team page.
    for (int j = 1; j <= kPlayers; ++j) {
        w.setText(playername[j], ourNames[j]);
        w.setText(sfam[j], std::to_string(ours[j].shooting));
        w.setText(shoot[j], std::to_string(ours[j].tactics));
        w.setText(mfam[j], markerName(s, ours[j].marker));
    }

    // Positions page.
    for (int j = 1; j <= kPlayers; ++j) w.setText(controls::kPositionLabels[j], ourNames[j]);
    w.setText("opteam", s.teamNames[opp]);
    for (int j = 1; j <= kPlayers; ++j) w.setText(controls::kOpponentLabels[j], s.playerNames[opp][j]);

    // Gear page and the sale value of the selected player's marker.
    for (int j = 1; j <= kPlayers; ++j) {
        w.setText(pla[j], ourNames[j]);
        w.setText(wfam[j], markerName(s, ours[j].marker));
    }
    const int sel = s.selectedPlayer >= 1 && s.selectedPlayer <= kPlayers ? s.selectedPlayer : 1;
    w.setText("splayer", ourNames[sel]);
    w.setText("wprice", ours[sel].marker != 0 ? "$" + std::to_string(s.markerSalePrice) : std::string());

    // Shop prices.
    for (int n = 1; n <= kMarkers; ++n) w.setText(price[n], "Price: $" + std::to_string(s.markerPrice[n]));
    for (int n = 1; n <= kOrbs; ++n) w.setText(aprice[n], "Price:  $" + std::to_string(s.orbPrice[n]));

    // Scout page.
    for (int j = 1; j <= kPlayers; ++j) w.setText(pl[j], ourNames[j]);

    // League table; the player's own club stands out.
    for (int i = 1; i <= kTeams; ++i) {
        w.setText(teamLabel[i], displayName(s, s.tableTeam[i]));
        w.setText(teampoints[i], std::to_string(s.tablePoints[i]));
        w.setMarked(teamLabel[i], s.tableTeam[i] == 1);
        w.setMarked(teampoints[i], s.tableTeam[i] == 1);
    }

    // The inspection panel shows the club at the top.
    inspectRow(1);

    // Next game page: both squads, no status.
    for (int j = 1; j <= kPlayers; ++j) {
        w.setText(yourplayer[j], ourNames[j]);
        w.setText(ystatus[j], "");
        w.setText(opponent[j], s.playerNames[opp][j]);
        w.setText(ostatus[j], "");
    }

    // Schedule; the player's own club stands out.
    for (int k = 1; k <= kPairings; ++k) {
        w.setText(rteam[2 * k - 1], displayName(s, s.pairings[k].first));
        w.setText(rteam[2 * k], displayName(s, s.pairings[k].second));
        w.setMarked(rteam[2 * k - 1], s.pairings[k].first == 1);
        w.setMarked(rteam[2 * k], s.pairings[k].second == 1);
    }

    // Favourites to win.
    for (int k = 1; k <= kPairings; ++k) {
        w.setText(win[k], favourites[k] != 0 ? displayName(s, favourites[k]) : std::string("even chances"));
    }

    // The first team of the pairing stands on the left of the Next game page.
    using controls::kLeftColumnX, controls::kRightColumnX;
    const bool weAreFirst = yours.first == 1;
    w.setX(controls::kOurSquad, weAreFirst ? kLeftColumnX : kRightColumnX);
    w.setX(controls::kOurScoreBox, weAreFirst ? kLeftColumnX : kRightColumnX);
    w.setX(controls::kTheirSquad, weAreFirst ? kRightColumnX : kLeftColumnX);
    w.setX(controls::kTheirScoreBox, weAreFirst ? kRightColumnX : kLeftColumnX);

    // Match heading.
    w.setText("hometeam", displayName(s, yours.first));
    w.setText("awayteam", displayName(s, yours.second));
}

}  // namespace splat
