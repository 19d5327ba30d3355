// The screen reader's table: what each control is called, what captions it,
// what its tooltip says and which changes are announced.

#include "ui/access/accessible_names.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace splat::ui {
namespace {

std::string num(const char* stem, int n) { return stem + std::to_string(n); }
std::string brace(const std::string& control) { return "{" + control + "}"; }

class Table {
public:
    AccessibleText& add(std::string control, std::string name, std::string caption = "") {
        AccessibleText t;
        t.control = std::move(control);
        t.name = std::move(name);
        t.caption = std::move(caption);
        entries_.push_back(std::move(t));
        return entries_.back();
    }
    std::vector<AccessibleText> take() { return std::move(entries_); }

private:
    std::vector<AccessibleText> entries_;
};

const std::array<const char*, 5> kSwapPairs{"1 and 2", "2 and 3", "3 and 4", "4 and 5", "5 and 1"};
const std::array<const char*, 5> kPositionNames{"firstplayer", "secondplayer", "thirdplayer", "fourthplayer",
                                                "fifthplayer"};
const std::array<const char*, 5> kBoostNames{"firstboost", "secondboost", "thirdboost", "fourthboost",
                                             "fifthboost"};
const std::array<const char*, 11> kMarkers{"Basic gun",   "MB gun",      "SniperMark", "Neotron tech",
                                           "Cheetah",     "Piranha gun", "Diamond pro", "Viper Epump",
                                           "Lightning",   "Hell Furlong", "Tech demon"};
const std::array<const char*, 6> kOrbs{"Orb of Accuracy", "Orb of Wisdom", "Orb of Lore",
                                       "Orb of Chaos",    "Orb of Acid",   "Orb of Training pool"};

void header(Table& t) {
    t.add("yteamname", "Your club: {}");
    t.add("lblcash", "Cash: ${}", "Label3");
    t.add("weeknumber", "Week: {}", "Label30");
    t.add("lblseason", "Season: {}", "Label40");
}

void swapButtons(Table& t, int firstButton) {
    for (int i = 0; i < 5; ++i) {
        AccessibleText& e = t.add(num("dxButton", firstButton + i), std::string("Swap markers of players ") + kSwapPairs[i]);
        e.toolTip = e.name;
    }
}

void teamPage(Table& t) {
    const std::array<std::pair<const char*, const char*>, 6> columns{{{"s", "shooting accuracy"},
                                                                      {"shoot", "tactics"},
                                                                      {"m", "marker"},
                                                                      {"ot", "hits"},
                                                                      {"ft", "flags picked up"},
                                                                      {"fh", "flags hung"}}};
    for (int j = 1; j <= 5; ++j) {
        const std::string who = brace(num("playername", j));
        t.add(num("playername", j), "Player " + std::to_string(j) + ": {}");
        for (const auto& [stem, what] : columns) t.add(num(stem, j), who + ", " + what + ": {}");
    }
    swapButtons(t, 15);
    t.add("sf", "Supporters' favorite player: {}", "Label87");
    t.add("RadioGroup1", "Difficulty level", "Label94");
    t.add("deadline", "Games per season", "Label95");
    t.add("dxButton2", "Enter the games per season");
    t.add("text", "Your team's name", "Label96");
    t.add("dxButton1", "Ok, close the options");
}

void tacticsPage(Table& t) {
    t.add("opteam", "Opponent: {}");
    const std::array<const char*, 5> theirs{"fopponent", "sopponent", "topponent", "fourthopponent",
                                            "fifthopponent"};
    for (int j = 0; j < 5; ++j) {
        t.add(kPositionNames[j], "Position " + std::to_string(j + 1) + ": {}");
        t.add(theirs[j], "Opponent's position " + std::to_string(j + 1) + ": {}");
    }
    for (int k = 0; k < 4; ++k) {
        AccessibleText& e = t.add(num("dxButton", 8 + k), std::string("Swap positions ") + kSwapPairs[k] + ", " +
                                                              brace(kPositionNames[k]) + " and " +
                                                              brace(kPositionNames[k + 1]));
        e.toolTip = std::string("Swap positions ") + kSwapPairs[k];
    }
    for (int j = 1; j <= 5; ++j) {
        const std::string who = brace(kBoostNames[j - 1]);
        t.add(kBoostNames[j - 1], "Boost for player " + std::to_string(j) + ": {}");
        t.add(num("boostprice", j), "Boost price for " + who + ": ${}");
        t.add(num("pagrees", j), "[" + who + " answers: {}]");
        t.add(num("boost", j), "Deal: boost " + who + " for $" + brace(num("boostprice", j)));
        const std::string pp = brace(num("pp", j));
        t.add(num("pp", j), "Position " + std::to_string(j) + ": {}");
        t.add(num("pr", j), "Run for the flag priority of " + pp);
        const std::array<const char*, 3> levels{"high", "regular", "low"};
        for (int i = 0; i < 3; ++i) t.add(num("pr", j) + "#" + std::to_string(i), pp + ": " + levels[i]);
    }
}

void trainingPage(Table& t) {
    t.add("coachname", "Coach: {}", "Label6");
    t.add("straining", "Coach's shooting training: {}", "Label7");
    t.add("ttraining", "Coach's tactics training: {}", "Label9");
    const std::array<const char*, 4> levels{"None", "Basic", "Regular", "Advanced"};
    const std::array<std::array<const char*, 4>, 2> costs{
        {{"snone", "sbasic", "sregular", "sadvanced"}, {"tnone", "tbasic", "tregular", "tadvanced"}}};
    const std::array<const char*, 2> groups{"shooting", "tactics"};
    const std::array<const char*, 2> what{"Shooting training", "Tactics training"};
    const std::array<const char*, 2> captions{"Label18", "Label19"};
    for (int g = 0; g < 2; ++g) {
        t.add(groups[g], std::string(what[g]) + " level", captions[g]);
        for (int i = 0; i < 4; ++i) {
            const std::string item = std::string(what[g]) + " " + levels[i];
            t.add(std::string(groups[g]) + "#" + std::to_string(i), item + ", $" + brace(costs[g][i]) + " a week");
            t.add(costs[g][i], item + " costs ${} a week");
        }
    }
    t.add("tpprice", "Price of 10 points: ${}", "Label119");
    t.add("tpnumber", "Training points in the pool: {}", "Label120").toolTip = "Training points in the pool";
    t.add("buytp", "Buy 10 training points for ${tpprice}");
}

void scoutPage(Table& t) {
    t.add("newname", "Player found: {}");
    t.add("newshooting", "Shooting accuracy: {}", "Label20");
    t.add("newtactics", "Tactics: {}", "Label21");
    t.add("newweapon", "Marker: {}", "Label24");
    t.add("newprice", "Price: ${}", "Label22");
    for (int j = 1; j <= 5; ++j) {
        t.add(num("pl", j), "Your player " + std::to_string(j) + ": {}");
        t.add(num("replace", j), "Replace " + brace(num("pl", j)) + "[ with {newname}]");
    }
    t.add("cname", "Coach found: {}");
    t.add("cshooting", "Shooting training: {}", "Label26");
    t.add("ctactics", "Tactics training: {}", "Label27");
    t.add("cprice", "Price: ${}", "Label28");
    t.add("replaceyourcoach", "Replace your coach[ with {cname}][ for ${cprice}]");
}

void gearPage(Table& t) {
    for (int n = 1; n <= 11; ++n) {
        const std::string marker = kMarkers[n - 1];
        const std::string price = brace(num("price", n));
        t.add(num("markerPage", n), "").toolTip = "Marker " + marker + " (" + price + ")";
        t.add(num("price", n), marker + ", {}");
        t.add(num("buy", n), "Buy " + marker + " (" + price + ")");
    }
    for (int j = 1; j <= 5; ++j) {
        const std::string who = brace(num("pla", j));
        AccessibleText& e = t.add(num("pla", j), "Select {}[, marker {" + num("w", j) + "}]");
        e.toolTip = "Click to select this player";
        t.add(num("w", j), "[" + who + "'s marker: {}]");
    }
    t.add("splayer", "Selected player: {}");
    t.add("wprice", "[His marker fetches {}]");
    t.add("sellweapon", "Sell the marker of {splayer}[ for {wprice}]");
    for (int k = 1; k <= 6; ++k) t.add(num("lorb", k), "[Artifact " + std::to_string(k) + ": {}]");
    for (int n = 1; n <= 6; ++n) {
        const std::string orb = kOrbs[n - 1];
        const std::string price = brace(num("aprice", n));
        AccessibleText& tab = t.add(num("orbPage", n), "Orb " + std::to_string(n) + ": " + orb);
        tab.toolTip = orb + " (" + price + ")";
        t.add(num("aprice", n), orb + ", {}");
        t.add(num("buya", n), "Buy " + orb + " (" + price + ")");
    }
    swapButtons(t, 3);
}

void financesPage(Table& t) {
    t.add("lbllab", "Lab level: {}", "Label31");
    t.add("lblsecurity", "Security level: {}", "Label32");
    t.add("llcost", "Price of the next lab level: ${}").toolTip = "Price of the next lab level";
    t.add("slcost", "Price of the next security level: ${}").toolTip = "Price of the next security level";
    t.add("lblincome", "Average income a week: ${}", "Label10");
    t.add("chemistname", "Chemist: {}", "Label107");
    t.add("degree", "Degree: {}", "Label106");
    t.add("exp", "Experience: {}", "Label105");
    t.add("knowledge", "Knowledge of chemistry: {}", "Label103");
    t.add("labupgrade", "Lab upgrade for ${llcost}");
    t.add("securityupgrade", "Security upgrade for ${slcost}");
    t.add("yoursponsor", "Your sponsor: {}", "Label55");
    const std::array<const char*, 4> applyPrice{"$300", "$500", "$1000", "$1500"};
    const std::array<const char*, 4> dumpPrice{"$400", "$300", "$200", "$100"};
    for (int s = 1; s <= 4; ++s) {
        const std::string sponsor = brace(num("Label", 35 + s));
        t.add(num("Label", 35 + s), "Sponsor: {}");
        t.add(num("result", s), "[" + sponsor + " answers: {}]");
        t.add(num("apply", s), "Apply for sponsorship by " + sponsor + " (" + applyPrice[s - 1] + ")");
        t.add(num("dump", s), "Dump the sponsor " + sponsor + " (" + dumpPrice[s - 1] + ")");
    }
    t.add("peyotelevel", "Art production level: {}", "Label108");
    t.add("peyoteincome", "Art income a week: ${}", "Label109");
    t.add("peyoteup", "Price of the next art production level: ${}").toolTip =
        "Price of the next art production level";
    t.add("dxButton12", "Upgrade art production for ${peyoteup}");
    t.add("newc", "Chemist found: {}");
    t.add("ndegree", "Degree: {}", "Label113");
    t.add("nexp", "Experience: {}", "Label114");
    t.add("nknowledge", "Knowledge of chemistry: {}", "Label115");
    t.add("nprice", "Price: ${}", "Label116");
    t.add("buychemist", "Replace your chemist[ with {newc}][ for ${nprice}]");
}

void leagueAndSchedule(Table& t) {
    for (int i = 1; i <= 10; ++i) {
        const std::string points = brace(num("teampoints", i));
        AccessibleText& e = t.add(num("team", i), "Place " + std::to_string(i) + ": {}, " + points + " points");
        e.description = "Click to see the squad";
        e.toolTip = "Click to see the squad";
        t.add(num("teampoints", i), "Points of " + brace(num("team", i)) + ": {}");
    }
    t.add("currentteam", "Squad of {}");
    for (int j = 1; j <= 5; ++j) {
        const std::string who = brace(num("pname", j));
        t.add(num("pname", j), "Player " + std::to_string(j) + ": {}");
        t.add(num("stamina", j), who + ", shooting: {}");
        t.add(num("shooting", j), who + ", tactics: {}");
        t.add(num("mark", j), who + ", marker: {}");
    }
    for (int k = 1; k <= 5; ++k) {
        const std::string pairing = "Pairing " + std::to_string(k) + ": ";
        t.add(num("rteam", 2 * k - 1), pairing + "{} vs " + brace(num("rteam", 2 * k)));
        t.add(num("rteam", 2 * k), pairing + brace(num("rteam", 2 * k - 1)) + " vs {}");
        t.add(num("win", k), "Favorite to win pairing " + std::to_string(k) + ": {}");
    }
}

void nextGamePage(Table& t) {
    t.add("action1", "{}").live = true;
    t.add("hometeam", "{} vs {awayteam}");
    for (int j = 1; j <= 5; ++j) {
        t.add(num("ystatus", j), "[" + brace(num("yourplayer", j)) + ": {}]");
        t.add(num("ostatus", j), "[" + brace(num("opponent", j)) + ": {}]");
    }
    t.add("lbltime", "Time: {}", "Label58");
    t.add("yscore", "Score: {yteamname} {}, {opteam} {oscore}").live = true;
    t.add("oscore", "Score: {yteamname} {yscore}, {opteam} {}").live = true;
}

void dialogs(Table& t) {
    AccessibleText& results = t.add("Tresults", "Match results");
    results.description =
        "{Tresults.yourteam} {Tresults.yoscore}, {Tresults.opponentteam} {Tresults.opscore}. "
        "{Tresults.lblresult} Income: [{Tresults.yourlab} ][{Tresults.cactus} ][{Tresults.sponsordonates} ]"
        "Expenses: training ${Tresults.texpences}";
    t.add("Tresults.yoscore", "Score of {Tresults.yourteam}: {}");
    t.add("Tresults.opscore", "Score of {Tresults.opponentteam}: {}");
    t.add("Tresults.texpences", "Training: ${}", "Tresults.Training");
    t.add("Tendseason", "Season end").description =
        "{Tendseason.congrat} {Tendseason.result}[ {Tendseason.money}][ {Tendseason.Label1}]";
    t.add("TForm4", "Trophy room").description =
        "1 Place Trophy: {TForm4.ft}, 2 Place Trophy: {TForm4.st}, 3 Place Trophy: {TForm4.tt}";
    const std::array<const char*, 3> counts{"TForm4.ft", "TForm4.st", "TForm4.tt"};
    for (int i = 0; i < 3; ++i)
        t.add(counts[i], std::to_string(i + 1) + " Place Trophy: {}", num("TForm4.Label", i + 1));
    t.add("TForm5", "Message").description = "{TForm5.Label1}[ {TForm5.Label2}]";
    t.add("TAbout", "About");
}

std::vector<AccessibleText> build() {
    Table t;
    header(t);
    teamPage(t);
    tacticsPage(t);
    trainingPage(t);
    scoutPage(t);
    gearPage(t);
    financesPage(t);
    leagueAndSchedule(t);
    nextGamePage(t);
    dialogs(t);
    return t.take();
}

// Calls `part(text, isName)` for each literal run and each placeholder of
// `pattern` in order; '[' and ']' come through as literal runs of their own.
template <typename Part>
void scan(std::string_view pattern, Part part) {
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '[' || c == ']') {
            part(pattern.substr(i, 1), false);
            ++i;
        } else if (c == '{') {
            const size_t close = pattern.find('}', i);
            if (close == std::string_view::npos) {
                part(pattern.substr(i), false);
                return;
            }
            part(pattern.substr(i + 1, close - i - 1), true);
            i = close + 1;
        } else {
            const size_t next = pattern.find_first_of("[]{", i);
            const size_t end = next == std::string_view::npos ? pattern.size() : next;
            part(pattern.substr(i, end - i), false);
            i = end;
        }
    }
}

bool blank(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace

const std::vector<AccessibleText>& accessibleTexts() {
    static const std::vector<AccessibleText> table = build();
    return table;
}

const AccessibleText* findAccessibleText(std::string_view control) {
    static const std::unordered_map<std::string_view, const AccessibleText*> index = [] {
        std::unordered_map<std::string_view, const AccessibleText*> m;
        for (const AccessibleText& t : accessibleTexts()) m.emplace(t.control, &t);
        return m;
    }();
    const auto it = index.find(control);
    return it == index.end() ? nullptr : it->second;
}

TextPattern::TextPattern(std::string_view pattern, std::string_view self, const Resolver& resolve) {
    scan(pattern, [&](std::string_view part, bool isName) {
        if (!isName && (part == "[" || part == "]")) {
            pieces_.push_back({part == "[" ? Kind::Open : Kind::Close, {}, nullptr});
            return;
        }
        if (!isName) {
            pieces_.push_back({Kind::Fixed, QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())), nullptr});
            return;
        }
        const std::string_view name = part.empty() ? self : part;
        pieces_.push_back({Kind::Text, {}, resolve(name)});
        if (std::find(sources_.begin(), sources_.end(), name) == sources_.end()) sources_.emplace_back(name);
    });
}

QString TextPattern::fill() const {
    QString out;
    qsizetype optionalStart = -1;
    bool optionalFilled = true;
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
            case Kind::Fixed:
                out += piece.fixed;
                break;
            case Kind::Text:
                if (piece.text != nullptr) out += *piece.text;
                if (piece.text == nullptr || blank(*piece.text)) optionalFilled = false;
                break;
            case Kind::Open:
                optionalStart = out.size();
                optionalFilled = true;
                break;
            case Kind::Close:
                if (optionalStart >= 0 && !optionalFilled) out.truncate(optionalStart);
                optionalStart = -1;
                break;
        }
    }
    // Most results need no tidying; the few with doubled or edge blanks do.
    if (out.startsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(' ')) || out.contains(QLatin1String("  ")))
        out = out.simplified();
    return out;
}

}  // namespace splat::ui
