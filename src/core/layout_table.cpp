// The control table of the main window and the five dialogs.
//
// Geometry notes: the base font is about 9 pt, so a label gets roughly 7 px per
// character (8 px bold) plus a margin, and 18..20 px of height per line. Tabs of
// a page control are flat buttons 97 x 26 that wrap; the rect of every Page is
// derived from its page control in finishPages() so it always sits exactly
// below the tab rows.

#include "core/layout_table.h"

#include <array>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/control_names.h"
#include "core/game_title.h"
#include "core/shop_names.h"

namespace splat {
namespace {

constexpr int kTabWidth = 97;
constexpr int kTabHeight = 26;
constexpr int kLine = 20;     // height of a one-line label
constexpr int kButtonH = 28;  // height of a push button

class TableBuilder {
public:
    ControlSpec& add(std::string name, ControlKind kind, std::string parent, std::string text, Rect rect,
                     int style = Plain) {
        ControlSpec c;
        c.name = std::move(name);
        c.kind = kind;
        c.parent = std::move(parent);
        c.text = std::move(text);
        c.rect = rect;
        c.style = style;
        table_.push_back(std::move(c));
        return table_.back();
    }

    ControlSpec& panel(std::string name, std::string parent, Rect r) {
        return add(std::move(name), ControlKind::Panel, std::move(parent), "", r);
    }
    ControlSpec& label(std::string name, std::string parent, std::string text, Rect r, int style = Plain) {
        return add(std::move(name), ControlKind::Label, std::move(parent), std::move(text), r, style);
    }
    ControlSpec& button(std::string name, std::string parent, std::string text, Rect r) {
        return add(std::move(name), ControlKind::Button, std::move(parent), std::move(text), r);
    }
    ControlSpec& picture(std::string name, std::string parent, std::string file, Rect r) {
        ControlSpec& c = add(std::move(name), ControlKind::Picture, std::move(parent), "", r);
        c.picture = std::move(file);
        return c;
    }
    ControlSpec& pageControl(std::string name, std::string parent, Rect r) {
        return add(std::move(name), ControlKind::PageControl, std::move(parent), "", r);
    }
    // The rect of a page is filled in by finishPages().
    ControlSpec& page(std::string name, std::string pageControl, std::string caption,
                      std::string background = "") {
        ControlSpec& c =
            add(std::move(name), ControlKind::Page, std::move(pageControl), std::move(caption), {});
        c.picture = std::move(background);
        return c;
    }
    ControlSpec& radioGroup(std::string name, std::string parent, std::vector<std::string> items, int index,
                            Rect r) {
        ControlSpec& c = add(std::move(name), ControlKind::RadioGroup, std::move(parent), "", r);
        c.items = std::move(items);
        c.itemIndex = index;
        return c;
    }
    ControlSpec& dialog(std::string name, std::string caption, int w, int h, std::string background = "") {
        ControlSpec& c = add(std::move(name), ControlKind::Dialog, "", std::move(caption), {0, 0, w, h});
        c.visible = false;
        c.picture = std::move(background);
        return c;
    }

    // A page's client area starts below the tab rows of its page control.
    std::vector<ControlSpec> finish() {
        std::unordered_map<std::string, int> pageCount;
        for (const ControlSpec& c : table_)
            if (c.kind == ControlKind::Page) ++pageCount[c.parent];
        std::unordered_map<std::string, Rect> controlRect;
        for (const ControlSpec& c : table_)
            if (c.kind == ControlKind::PageControl) controlRect[c.name] = c.rect;
        for (ControlSpec& c : table_) {
            if (c.kind != ControlKind::Page) continue;
            const Rect pc = controlRect.at(c.parent);
            const int tabs = pageCount.at(c.parent);
            const int rows = (tabs * kTabWidth + pc.w - 1) / pc.w;
            c.rect = {0, kTabHeight * rows, pc.w, pc.h - kTabHeight * rows};
        }
        return std::move(table_);
    }

private:
    std::vector<ControlSpec> table_;
};

std::string num(const char* stem, int n) { return stem + std::to_string(n); }
// "{NAME}": the text of control NAME, in a spoken pattern.
std::string brace(const std::string& control) { return "{" + control + "}"; }

const std::array<const char*, 5> kSwapCaptions{"1-2", "2-3", "3-4", "4-5", "5-1"};
const std::array<const char*, 5> kSwapPairs{"1 and 2", "2 and 3", "3 and 4", "4 and 5", "5 and 1"};

// The five buttons that swap the markers of neighbouring players, from
// dxButton`first` on.
void markerSwapButtons(TableBuilder& t, int first, const std::string& parent, int x, int y, int step) {
    for (int i = 0; i < 5; ++i) {
        ControlSpec& b =
            t.button(num("dxButton", first + i), parent, kSwapCaptions[i], {x + i * step, y, 64, kButtonH});
        b.speech.name = std::string("Swap markers of players ") + kSwapPairs[i];
        b.speech.toolTip = b.speech.name;
        b.spends = true;
    }
}

// ---------------------------------------------------------------- window top

void buildWindowTop(TableBuilder& t) {
    t.add("TForm1", ControlKind::MainWindow, "", kGameTitle, {0, 0, 996, 735});

    // The menu bar lies above the client area; Qt places it and its items.
    t.add("MainMenu1", ControlKind::MenuBar, "TForm1", "", {});
    t.add("Newgame1", ControlKind::MenuItem, "MainMenu1", "New game", {}).shortcut = "Ctrl+N";
    t.add("Options", ControlKind::MenuItem, "MainMenu1", "Options", {}).shortcut = "Ctrl+O";
    t.add("SoundOff1", ControlKind::MenuItem, "MainMenu1", "Sound Off", {});
    t.add("MusicOff1", ControlKind::MenuItem, "MainMenu1", "Music Off", {});
    t.add("About1", ControlKind::MenuItem, "MainMenu1", "About", {}).shortcut = "Ctrl+Shift+A";
    // The guide (the program opens it: it has no binding).
    ControlSpec& guide = t.add("HowToPlay", ControlKind::MenuItem, "MainMenu1", "How to play", {});
    guide.shortcut = "F1";
    guide.extra = true;
    ControlSpec& book = t.add("Seasonbook1", ControlKind::MenuItem, "MainMenu1", "Season book", {});
    book.shortcut = "Ctrl+B";
    book.extra = true;

    // The banner shows the title on its left half; the header sits on the right.
    t.picture("bannerPicture", "TForm1", "banner.jpg", {10, 0, 977, 161});
    const int hdr = Light | Bold;
    t.label("yteamname", "TForm1", "Your team", {600, 16, 360, 32}, hdr | Heading).speech = {
        .name = "Your club: {}"};
    t.label("Label3", "TForm1", "Cash:", {600, 62, 76, kLine}, hdr);
    t.label("Label29", "TForm1", "$", {680, 62, 14, kLine}, hdr);
    t.label("lblcash", "TForm1", "0", {696, 62, 150, kLine}, hdr).speech = {.name = "Cash: ${}",
                                                                            .caption = "Label3"};
    // Shown beside the cash when next week's sure costs could take it below
    // zero; its tooltip says why and what to do.
    ControlSpec& warning = t.label("cashWarning", "TForm1", "(!)", {850, 62, 40, kLine}, hdr);
    warning.visible = false;
    warning.speech.name = "Money warning";
    warning.extra = true;
    t.label("Label30", "TForm1", "Week:", {600, 88, 76, kLine}, hdr);
    t.label("weeknumber", "TForm1", "0", {696, 88, 100, kLine}, hdr).speech = {.name = "Week: {}",
                                                                               .caption = "Label30"};
    t.label("Label40", "TForm1", "Season:", {600, 114, 76, kLine}, hdr);
    t.label("lblseason", "TForm1", "0", {696, 114, 100, kLine}, hdr).speech = {.name = "Season: {}",
                                                                               .caption = "Label40"};

    t.pageControl("PageControl1", "TForm1", {16, 160, 961, 521});
}

// ---------------------------------------------------------------- page Team

void buildTeamPage(TableBuilder& t) {
    const std::string pg = "TabSheet1";
    t.page(pg, "PageControl1", "Team", "page_team.jpg");

    // Squad table: columns x and widths.
    constexpr std::array<int, 7> colX{16, 176, 330, 420, 560, 630, 770};
    constexpr std::array<int, 7> colW{150, 144, 80, 130, 60, 130, 110};
    t.panel("Panel1", pg, {16, 16, 929, 196}).visible = false;
    t.label("shoot", "Panel1", "Shooting accuracy", {colX[1], 12, colW[1], kLine}, Bold);
    t.label("Stamina", "Panel1", "Tactics", {colX[2], 12, colW[2], kLine}, Bold);
    t.label("Label8", "Panel1", "Marker", {colX[3], 12, colW[3], kLine}, Bold);
    t.label("Label89", "Panel1", "hits", {colX[4], 12, colW[4], kLine}, Bold);
    t.label("Label90", "Panel1", "flags picked up", {colX[5], 12, colW[5], kLine}, Bold);
    t.label("Label91", "Panel1", "flags hung", {colX[6], 12, colW[6], kLine}, Bold);
    const std::array<const char*, 7> rowStems{"playername", "s", "shoot", "m", "ot", "ft", "fh"};
    // What a screen reader calls each column (the row's player is named once,
    // in its first column).
    const std::array<const char*, 7> spoken{"",     "shooting accuracy", "tactics",   "marker",
                                            "hits", "flags picked up",   "flags hung"};
    for (int j = 1; j <= 5; ++j) {
        const int y = 44 + (j - 1) * 28;
        for (std::size_t c = 0; c < rowStems.size(); ++c)
            t.label(num(rowStems[c], j), "Panel1", c == 0 || c == 3 ? "" : "0", {colX[c], y, colW[c], kLine})
                .speech.name =
                c == 0 ? "Player " + std::to_string(j) + ": {}" : std::string(spoken[c]) + ": {}";
    }

    t.panel("Panel56", pg, {16, 224, 380, 84}).visible = false;
    t.label("Label86", "Panel56", "Swap markers", {12, 10, 200, kLine}, Bold);
    markerSwapButtons(t, 15, "Panel56", 12, 42, 72);

    t.panel("Panel58", pg, {412, 224, 533, 84}).visible = false;
    t.label("Label87", "Panel58", "Your supporters favorite player", {12, 10, 300, kLine}, Bold);
    t.label("Label88", "Panel58", "-", {12, 44, 14, kLine});
    t.label("sf", "Panel58", "", {30, 44, 200, kLine}).speech = {.name = "Supporters' favorite player: {}",
                                                                 .caption = "Label87"};

    t.button("Button1", pg, "Trophy room", {16, 324, 140, 30}).visible = false;

    // The options panel stands in for the four controls above.
    t.panel("optionspanel", pg, {16, 16, 628, 278}).speech.name = "Options";
    t.panel(controls::kDifficultyGroup, "optionspanel", {16, 16, 290, 200});
    t.label("Label94", controls::kDifficultyGroup, "Difficulty level", {12, 10, 200, kLine}, Bold);
    t.radioGroup("RadioGroup1", controls::kDifficultyGroup,
                 {"Easy", "Amateur league", "Pro league", "Major league", "Impossible"}, 1, {12, 36, 266, 152})
        .speech = {.name = "Difficulty level", .caption = "Label94"};
    t.panel(controls::kSeasonLengthGroup, "optionspanel", {322, 16, 290, 92});
    t.label("Label95", controls::kSeasonLengthGroup, "Games per season", {12, 10, 200, kLine}, Bold);
    ControlSpec& games =
        t.add("deadline", ControlKind::Edit, controls::kSeasonLengthGroup, "20", {12, 42, 90, 26});
    games.speech = {.name = "Games per season", .caption = "Label95"};
    games.enterPresses = "dxButton2";
    t.button("dxButton2", controls::kSeasonLengthGroup, "Enter", {114, 41, 90, kButtonH}).speech.name =
        "Enter the games per season";
    t.panel("Panel62", "optionspanel", {322, 124, 290, 92});
    t.label("Label96", "Panel62", "Your team's name", {12, 10, 200, kLine}, Bold);
    ControlSpec& teamName = t.add("text", ControlKind::Edit, "Panel62", "Your team", {12, 42, 200, 26});
    teamName.maxLength = 20;
    teamName.speech = {.name = "Your team's name", .caption = "Label96"};
    teamName.enterPresses = "dxButton1";
    t.button("dxButton1", "optionspanel", "Ok", {512, 232, 100, 30}).speech.name = "Ok, close the options";
}

// ---------------------------------------------------------------- page Tactics

void buildTacticsPage(TableBuilder& t) {
    const std::string pg = "TabSheet2";
    t.page(pg, "PageControl1", "Tactics", "page_tactics.jpg");
    t.pageControl("PageControl4", pg, {8, 8, 945, 479});

    // Positions: your players on the left, the opponent's on the right, the
    // swap buttons between the rows they swap.
    const std::string pos = "positionsPage";
    t.page(pos, "PageControl4", "Positions");
    t.panel("Panel64", pos, {316, 16, 240, 40});
    t.label("opteam", "Panel64", "", {10, 10, 220, kLine}, Bold | Centered).speech.name = "Opponent: {}";
    for (int j = 1; j <= 5; ++j)
        t.label(controls::kPositionLabels[j], pos, "", {100, 76 + (j - 1) * 40, 190, kLine}, Bold).speech.name =
            "Position " + std::to_string(j) + ": {}";
    for (int j = 1; j <= 5; ++j)
        t.label(controls::kOpponentLabels[j], pos, "", {326, 76 + (j - 1) * 40, 220, kLine}).speech.name =
            "Opponent's position " + std::to_string(j) + ": {}";
    for (int k = 0; k < 4; ++k) {
        ControlSpec& b =
            t.button(num("dxButton", 8 + k), pos, kSwapCaptions[k], {20, 92 + k * 40, 64, kButtonH});
        b.speech.name = std::string("Swap positions ") + kSwapPairs[k] + ", " +
                        brace(controls::kPositionLabels[k + 1]) + " and " +
                        brace(controls::kPositionLabels[k + 2]);
        b.speech.toolTip = std::string("Swap positions ") + kSwapPairs[k];
        b.spends = true;
    }
    t.panel("Panel6", pos, {580, 76, 340, 104});
    const std::array<const char*, 4> hint{"Your player is more likely to", "engage the opponent in a similar",
                                          "position. Keep this in mind when", "repositioning your players..."};
    for (int i = 0; i < 4; ++i)
        t.label(num("Label", 97 + i), "Panel6", hint[i], {12, 10 + i * kLine, 316, kLine});

    // Boost.
    const std::string boost = "boostPage";
    t.page(boost, "PageControl4", "Boost");
    t.panel("Panel57", boost, {16, 16, 330, 216});
    t.label("Label102", "Panel57", "Price", {196, 10, 110, kLine}, Bold);
    for (int j = 1; j <= 5; ++j) {
        const int y = 42 + (j - 1) * 34;
        const std::string who = brace(controls::kBoostLabels[j]);
        t.label(controls::kBoostLabels[j], "Panel57", "", {12, y, 170, kLine}).speech.name =
            "Boost for player " + std::to_string(j) + ": {}";
        t.label(num("dollarBoost", j), "Panel57", "$", {196, y, 14, kLine});
        t.label(num("boostprice", j), "Panel57", "0", {212, y, 100, kLine}).speech.name =
            "Boost price for " + who + ": ${}";
    }
    for (int j = 1; j <= 5; ++j)
        t.label(num("pagrees", j), boost, "", {362, 58 + (j - 1) * 34, 290, kLine}).speech.name =
            "[" + brace(controls::kBoostLabels[j]) + " answers: {}]";
    for (int j = 1; j <= 5; ++j) {
        ControlSpec& deal = t.button(num("boost", j), boost, "Deal", {668, 54 + (j - 1) * 34, 90, kButtonH});
        deal.speech.name =
            "Deal: boost " + brace(controls::kBoostLabels[j]) + " for $" + brace(num("boostprice", j));
        deal.spends = true;
    }
    t.panel("Panel26", boost, {16, 248, 912, 44});
    t.label("Label51", "Panel26",
            "Players will do their best in the next game if you pay them a certain amount of "
            "cash...",
            {12, 12, 888, kLine});

    // Run for the flag priority: one column per position.
    const std::string flag = "flagPriorityPage";
    t.page(flag, "PageControl4", "Run for the flag priority");
    t.panel("Panel54", flag, {16, 16, 912, 150});
    for (int j = 1; j <= 5; ++j) {
        const int x = 12 + (j - 1) * 180;
        const std::string who = brace(num("pp", j));
        t.label(num("pp", j), "Panel54", "", {x, 10, 170, kLine}, Bold).speech.name =
            "Position " + std::to_string(j) + ": {}";
        ControlSpec& priority =
            t.radioGroup(num("pr", j), "Panel54", {"high", "regular", "low"}, 1, {x, 36, 170, 104});
        priority.speech.name = "Run for the flag priority of " + who;
        for (const std::string& item : priority.items) priority.itemNames.push_back(who + ": " + item);
    }
    t.panel("Panel76", flag, {16, 182, 912, 44});
    t.label("Label2", "Panel76",
            "Tell your players if you want them to focus on grabbing the flag or just waste the "
            "opponents",
            {12, 12, 888, kLine});
}

// ---------------------------------------------------------------- page Training

void buildTrainingPage(TableBuilder& t) {
    const std::string pg = "TabSheet3";
    t.page(pg, "PageControl1", "Training", "page_training.jpg");

    t.panel("Panel20", pg, {16, 16, 440, 104});
    t.label("Label6", "Panel20", "Coach", {12, 12, 150, kLine}, Bold);
    t.label("coachname", "Panel20", "", {170, 12, 250, kLine}, Bold).speech = {.name = "Coach: {}",
                                                                               .caption = "Label6"};
    t.label("Label7", "Panel20", "Shooting training", {12, 42, 150, kLine});
    t.label("straining", "Panel20", "0", {170, 42, 100, kLine}).speech = {
        .name = "Coach's shooting training: {}", .caption = "Label7"};
    t.label("Label9", "Panel20", "Tactics training", {12, 70, 150, kLine});
    t.label("ttraining", "Panel20", "0", {170, 70, 100, kLine}).speech = {
        .name = "Coach's tactics training: {}", .caption = "Label9"};

    // Training levels with the weekly cost beside each item.
    const auto levelPanel = [&t](const std::string& panel, Rect r, const char* caption, const char* group,
                                 std::vector<std::string> items, const std::array<const char*, 4>& costs,
                                 const std::array<const char*, 4>& dollars) {
        const std::array<const char*, 4> levels{"None", "Basic", "Regular", "Advanced"};
        const std::string captionLabel = panel == "Panel21" ? "Label18" : "Label19";
        t.panel(panel, "TabSheet3", r);
        t.label(captionLabel, panel, caption, {12, 10, 200, kLine}, Bold);
        ControlSpec& selector = t.radioGroup(group, panel, std::move(items), 0, {12, 36, 200, 112});
        selector.speech = {.name = std::string(caption) + " level", .caption = captionLabel};
        for (int i = 0; i < 4; ++i)
            selector.itemNames.push_back(std::string(caption) + " " + levels[i] + ", $" + brace(costs[i]) +
                                         " a week");
        for (int i = 0; i < 4; ++i) {
            const int y = 44 + i * 22;  // level with the selector's items
            t.label(dollars[i], panel, "$", {224, y, 14, kLine});
            t.label(costs[i], panel, "0", {240, y, 90, kLine}).speech.name =
                std::string(caption) + " " + levels[i] + " costs ${} a week";
        }
    };
    levelPanel("Panel21", {16, 132, 440, 160}, "Shooting training", "shooting",
               {"None", "Basic", "Regular", "Advanced "}, {"snone", "sbasic", "sregular", "sadvanced"},
               {"dollarSNone", "dollarSBasic", "dollarSRegular", "dollarSAdvanced"});
    levelPanel("Panel22", {472, 132, 473, 160}, "Tactics training", "tactics",
               {"None", "Basic", "Regular", "Advanced"}, {"tnone", "tbasic", "tregular", "tadvanced"},
               {"dollarTNone", "dollarTBasic", "dollarTRegular", "dollarTAdvanced"});

    t.panel("Panel69", pg, {472, 16, 320, 104});
    t.label("Label118", "Panel69", "Training points", {12, 10, 200, kLine}, Bold);
    t.label("Label119", "Panel69", "Price of 10 points", {12, 40, 150, kLine});
    t.label("dollarTpPrice", "Panel69", "$", {170, 40, 14, kLine});
    t.label("tpprice", "Panel69", "0", {186, 40, 100, kLine}).speech = {.name = "Price of 10 points: ${}",
                                                                        .caption = "Label119"};
    t.label("Label120", "Panel69", "pool", {12, 70, 150, kLine});
    t.panel("Panel70", "Panel69", {168, 66, 120, 28});
    t.label("tpnumber", "Panel70", "0", {8, 4, 104, kLine}, Bold).speech = {
        .name = "Training points in the pool: {}",
        .toolTip = "Training points in the pool",
        .caption = "Label120"};
    ControlSpec& buy = t.button("buytp", pg, "Buy", {808, 52, 100, 30});
    buy.speech.name = "Buy 10 training points for ${tpprice}";
    buy.spends = true;

    t.panel("Panel42", pg, {16, 304, 929, 136});
    const std::array<std::pair<int, const char*>, 6> lines{{
        {65, "The better coach you got the more money you pay for training. "},
        {66, "Payments for training are deducted every week"},
        {67, "Training improves your players shooting accuracy and tactics."},
        {121,
         "Your coach is able to improve the players by using training points from the "
         "pool. "},
        {122,
         "When there are no points in the pool, your players are not improving, so you "
         "don't wanna run outa these points"},
        {123,
         "Price of training points changes depending on how good your coach is and random "
         "factors."},
    }};
    for (std::size_t i = 0; i < lines.size(); ++i)
        t.label(num("Label", lines[i].first), "Panel42", lines[i].second,
                {12, 8 + static_cast<int>(i) * kLine, 905, kLine});
}

// ---------------------------------------------------------------- page Scout

void buildScoutPage(TableBuilder& t) {
    const std::string pg = "TabSheet4";
    t.page(pg, "PageControl1", "Scout", "page_scout.jpg");

    t.panel(controls::kPlayerOffer, pg, {16, 16, 300, 184}).visible = false;
    t.label("newname", controls::kPlayerOffer, "", {12, 10, 276, kLine}, Bold).speech.name = "Player found: {}";
    t.label("Label20", controls::kPlayerOffer, "Shooting accuracy", {12, 42, 150, kLine});
    t.label("newshooting", controls::kPlayerOffer, "0", {170, 42, 110, kLine}).speech = {
        .name = "Shooting accuracy: {}", .caption = "Label20"};
    t.label("Label21", controls::kPlayerOffer, "Tactics", {12, 68, 150, kLine});
    t.label("newtactics", controls::kPlayerOffer, "0", {170, 68, 110, kLine}).speech = {.name = "Tactics: {}",
                                                                                        .caption = "Label21"};
    t.label("Label24", controls::kPlayerOffer, "Marker", {12, 94, 150, kLine});
    t.label("newweapon", controls::kPlayerOffer, "", {170, 94, 120, kLine}).speech = {.name = "Marker: {}",
                                                                                      .caption = "Label24"};
    t.label("Label22", controls::kPlayerOffer, "Price", {12, 120, 150, kLine});
    t.label("dollarNewPrice", controls::kPlayerOffer, "$", {170, 120, 14, kLine});
    t.label("newprice", controls::kPlayerOffer, "0", {186, 120, 100, kLine}).speech = {.name = "Price: ${}",
                                                                                       .caption = "Label22"};

    t.panel(controls::kReplaceButtons, pg, {332, 16, 300, 184}).visible = false;
    for (int j = 1; j <= 5; ++j)
        t.label(num("pl", j), controls::kReplaceButtons, "", {12, 15 + (j - 1) * 34, 170, kLine}).speech.name =
            "Your player " + std::to_string(j) + ": {}";
    for (int j = 1; j <= 5; ++j) {
        ControlSpec& hire = t.button(num("replace", j), controls::kReplaceButtons, "replace",
                                     {192, 11 + (j - 1) * 34, 96, kButtonH});
        hire.speech.name = "Replace " + brace(num("pl", j)) + "[ with {newname}][ for ${newprice}]";
        hire.spends = true;
    }

    t.panel(controls::kCoachOffer, pg, {648, 16, 297, 184}).visible = false;
    t.label("cname", controls::kCoachOffer, "", {12, 10, 273, kLine}, Bold).speech.name = "Coach found: {}";
    t.label("Label26", controls::kCoachOffer, "Shooting training", {12, 42, 150, kLine});
    t.label("cshooting", controls::kCoachOffer, "0", {170, 42, 110, kLine}).speech = {
        .name = "Shooting training: {}", .caption = "Label26"};
    t.label("Label27", controls::kCoachOffer, "Tactics training", {12, 68, 150, kLine});
    t.label("ctactics", controls::kCoachOffer, "0", {170, 68, 110, kLine}).speech = {
        .name = "Tactics training: {}", .caption = "Label27"};
    t.label("Label28", controls::kCoachOffer, "Price", {12, 94, 150, kLine});
    t.label("dollarCPrice", controls::kCoachOffer, "$", {170, 94, 14, kLine});
    t.label("cprice", controls::kCoachOffer, "0", {186, 94, 100, kLine}).speech = {.name = "Price: ${}",
                                                                                   .caption = "Label28"};

    t.button("playersearch", pg, "Search for a player ( $100 )", {16, 216, 240, 30}).spends = true;
    t.button("coachsearch", pg, "Search for a coach ( $150 )", {648, 216, 240, 30}).spends = true;
    ControlSpec& hireCoach = t.button(controls::kHireCoach, pg, "Replace your coach", {648, 256, 240, 30});
    hireCoach.visible = false;
    hireCoach.speech.name = "Replace your coach[ with {cname}][ for ${cprice}]";
    hireCoach.spends = true;
}

// ---------------------------------------------------------------- page Gear

void buildGearPage(TableBuilder& t) {
    const std::string pg = "TabSheet5";
    t.page(pg, "PageControl1", " Gear", "page_gear.jpg");

    // Marker shop: eleven sub-pages (three tab rows at this width).
    t.pageControl("tab3", pg, {8, 8, 480, 260});
    for (int n = 1; n <= kMarkers; ++n) {
        const std::string marker = kMarkerNames[n].shopTab;
        const std::string price = brace(num("price", n));
        const std::string sub = num("markerPage", n);
        t.page(sub, "tab3", marker);  // its tooltip: what the marker does (management/explanations)
        t.picture(num("markerPicture", n), sub, num("marker", n) + ".jpg", {10, 10, 300, 150});
        const std::string box = num("markerPricePanel", n);
        t.panel(box, sub, {320, 20, 150, 32});
        t.label(num("price", n), box, "Price: $0", {8, 6, 134, kLine}, Bold).speech.name = marker + ", {}";
        ControlSpec& buy = t.button(num("buy", n), sub, "Buy", {320, 66, 100, kButtonH});
        buy.speech.name = "Buy " + marker + "[ for {splayer}] (" + price + ")";
        buy.spends = true;
    }

    t.panel("Panel31", pg, {8, 276, 300, 136});
    for (int j = 1; j <= 5; ++j)
        t.label(num("pla", j), "Panel31", "", {26, 10 + (j - 1) * 24, 136, kLine}, Bold).speech = {
            .name = "Select {}[, marker {" + num("w", j) + "}]"};  // its tooltip says whether he is selected
    for (int j = 1; j <= 5; ++j)
        t.label(num("w", j), "Panel31", "", {166, 10 + (j - 1) * 24, 126, kLine}).speech.name =
            "[" + brace(num("pla", j)) + "'s marker: {}]";
    for (int j = 1; j <= 5; ++j)
        t.label(controls::kPointerLabels[j], "Panel31", ">", {8, 10 + (j - 1) * 24, 14, kLine}, Bold).visible =
            j == 1;

    t.panel("Panel32", pg, {316, 276, 172, 136});
    t.label("splayer", "Panel32", "", {10, 10, 152, kLine}, Bold).speech.name = "Selected player: {}";
    t.label("wprice", "Panel32", "", {10, 38, 152, kLine}).speech.name = "[His marker fetches {}]";
    ControlSpec& sell = t.button("sellweapon", "Panel32", "Sell marker", {10, 72, 130, kButtonH});
    sell.speech.name = "Sell the marker of {splayer}[ for {wprice}]";
    sell.spends = true;

    t.panel("Panel34", pg, {496, 240, 457, 104});
    t.label("Label41", "Panel34", "Your artifacts:", {10, 8, 200, kLine}, Bold);
    for (int k = 1; k <= 6; ++k)
        t.label(num("lorb", k), "Panel34", "", {10 + ((k - 1) / 3) * 224, 32 + ((k - 1) % 3) * 22, 210, kLine})
            .speech.name = "[Artifact " + std::to_string(k) + ": {}]";

    // Orb shop: six sub-pages "1".."6".
    t.pageControl("PageControl2", pg, {496, 8, 457, 224});
    const std::array<std::vector<const char*>, 6> orbText{{
        {"Orb of Accuracy is believed to increase", "the accuracy of a team that uses it"},
        {"Orb of Wisdom is an ancient artifact", "that is supposed to positively affect",
         "tactics of a team that owns it"},
        {"Orb of Lore is an unbelievable artifact", "that helps your players improve"},
        {"Orb of Chaos is one of a kind artifact", "that makes it easier for your team",
         "to win. Don't expect no miracles though"},
        {"Orb of Acid increases the income", "from ZRK production by 30% or more"},
        {"Orb of Training pool adds 10 points to", "the training pool each week at no cost", "whatsoever"},
    }};
    for (int n = 1; n <= kOrbs; ++n) {
        const std::string orb = kOrbNames[n];
        const std::string price = brace(num("aprice", n));
        const std::string sub = num("orbPage", n);
        // Its tooltip says what the orb does (management/explanations).
        t.page(sub, "PageControl2", std::to_string(n)).speech = {.name =
                                                                     "Orb " + std::to_string(n) + ": " + orb};
        t.picture(num("orbPicture", n), sub, num("orb", n) + ".jpg", {10, 10, 150, 150});
        t.label(num("aprice", n), sub, "Price:  $0", {170, 84, 200, kLine}, Bold).speech.name = orb + ", {}";
        const auto& lines = orbText[n - 1];
        for (std::size_t i = 0; i < lines.size(); ++i)
            t.label(num("orbText", n) + num("Line", static_cast<int>(i) + 1), sub, lines[i],
                    {170, 10 + static_cast<int>(i) * kLine, 280, kLine});
        ControlSpec& buy = t.button(num("buya", n), sub, "Buy", {170, 112, 100, kButtonH});
        buy.speech.name = "Buy " + orb + " (" + price + ")";
        buy.spends = true;
    }

    t.panel("Panel53", pg, {496, 352, 457, 48});
    markerSwapButtons(t, 3, "Panel53", 10, 10, 72);
}

// ---------------------------------------------------------------- page Finances

void buildFinancesPage(TableBuilder& t) {
    const std::string pg = "TabSheet6";
    t.page(pg, "PageControl1", "Finances", "page_finances.jpg");
    t.pageControl("PageControl3", pg, {8, 8, 945, 397});

    // ZRK laboratory.
    const std::string lab = "labPage";
    t.page(lab, "PageControl3", "ZRK laboratory");
    t.panel("Panel46", lab, {16, 16, 376, 96});
    t.label("Label31", "Panel46", "Lab level:", {12, 10, 170, kLine}, Bold);
    t.label("lbllab", "Panel46", "0", {190, 10, 60, kLine}).speech = {.name = "Lab level: {}",
                                                                      .caption = "Label31"};
    t.label("Label32", "Panel46", "Security level:", {12, 38, 170, kLine}, Bold);
    t.label("lblsecurity", "Panel46", "0", {190, 38, 60, kLine}).speech = {.name = "Security level: {}",
                                                                           .caption = "Label32"};
    t.label("dollarLlCost", "Panel46", "$", {256, 10, 14, kLine});
    t.label("llcost", "Panel46", "0", {272, 10, 92, kLine}).speech = {
        .name = "Price of the next lab level: ${}", .toolTip = "Price of the next lab level"};
    t.label("dollarSlCost", "Panel46", "$", {256, 38, 14, kLine});
    t.label("slcost", "Panel46", "0", {272, 38, 92, kLine}).speech = {
        .name = "Price of the next security level: ${}", .toolTip = "Price of the next security level"};
    t.label("Label10", "Panel46", "average income a week:", {12, 66, 170, kLine});
    t.label("dollarIncome", "Panel46", "$", {190, 66, 14, kLine});
    t.label("lblincome", "Panel46", "0", {206, 66, 100, kLine}).speech = {.name = "Average income a week: ${}",
                                                                          .caption = "Label10"};
    t.panel("Panel67", lab, {16, 128, 440, 120});
    t.label("Label107", "Panel67", "Chemist", {12, 10, 170, kLine}, Bold);
    t.label("chemistname", "Panel67", "", {190, 10, 238, kLine}, Bold).speech = {.name = "Chemist: {}",
                                                                                 .caption = "Label107"};
    t.label("Label106", "Panel67", "Degree", {12, 36, 170, kLine});
    t.label("degree", "Panel67", "", {190, 36, 238, kLine}).speech = {.name = "Degree: {}",
                                                                      .caption = "Label106"};
    t.label("Label105", "Panel67", "Experience", {12, 62, 170, kLine});
    t.label("exp", "Panel67", "0", {190, 62, 238, kLine}).speech = {.name = "Experience: {}",
                                                                    .caption = "Label105"};
    t.label("Label103", "Panel67", "Knowledge of chemistry", {12, 88, 170, kLine});
    t.label("knowledge", "Panel67", "0", {190, 88, 238, kLine}).speech = {.name = "Knowledge of chemistry: {}",
                                                                          .caption = "Label103"};
    ControlSpec& labUp = t.button("labupgrade", lab, "Lab upgrade", {408, 22, 170, 30});
    labUp.speech.name = "Lab upgrade for ${llcost}";
    labUp.spends = true;
    ControlSpec& securityUp = t.button("securityupgrade", lab, "Security upgrade", {408, 60, 170, 30});
    securityUp.speech.name = "Security upgrade for ${slcost}";
    securityUp.spends = true;

    // Sponsors: one row panel per company.
    const std::string sp = "sponsorsPage";
    t.page(sp, "PageControl3", "Sponsors");
    t.label("Label55", sp, "Your sponsor:", {16, 16, 120, kLine}, Bold);
    t.label("yoursponsor", sp, "None", {140, 16, 240, kLine}).speech = {.name = "Your sponsor: {}",
                                                                        .caption = "Label55"};
    const std::array<const char*, 4> applyPrice{"$300", "$500", "$1000", "$1500"};
    const std::array<const char*, 4> dumpPrice{"$400", "$300", "$200", "$100"};
    for (int s = 1; s <= 4; ++s) {
        const std::string box = controls::sponsorOffer(s);
        const std::string company = brace(controls::sponsorCompanyLabel(s));
        t.panel(box, sp, {16, 48 + (s - 1) * 76, 912, 68});
        t.label(controls::sponsorCompanyLabel(s), box, "", {12, 8, 250, kLine}, Bold).speech.name =
            "Sponsor: {}";
        t.label(num("result", s), box, "", {12, 38, 300, kLine}, Italic).speech.name =
            "[" + company + " answers: {}]";
        const std::string applyFee = std::string(" (") + applyPrice[s - 1] + ")";
        ControlSpec& apply =
            t.button(num("apply", s), box, "Apply for sponsorship" + applyFee, {330, 20, 240, kButtonH});
        apply.speech.name = "Apply for sponsorship by " + company + applyFee;
        apply.spends = true;
        const std::string dumpFee = std::string(" (") + dumpPrice[s - 1] + ")";
        ControlSpec& dump =
            t.button(num("dump", s), box, "Dump the sponsor" + dumpFee, {586, 20, 200, kButtonH});
        dump.visible = false;
        dump.speech.name = "Dump the sponsor " + company + dumpFee;
        dump.spends = true;
    }

    // Art production.
    const std::string art = "artPage";
    t.page(art, "PageControl3", "Art production");
    t.panel("Panel66", art, {16, 16, 376, 104});
    t.label("Label108", "Panel66", "Production level:", {12, 10, 150, kLine}, Bold);
    t.label("peyotelevel", "Panel66", "0", {170, 10, 100, kLine}).speech = {.name = "Art production level: {}",
                                                                            .caption = "Label108"};
    t.label("Label109", "Panel66", "Income a week:", {12, 38, 150, kLine}, Bold);
    t.label("dollarPeyoteIncome", "Panel66", "$", {170, 38, 14, kLine});
    t.label("peyoteincome", "Panel66", "0", {186, 38, 100, kLine}).speech = {.name = "Art income a week: ${}",
                                                                             .caption = "Label109"};
    t.label("dollarPeyoteUp", "Panel66", "$", {12, 70, 14, kLine});
    t.label("peyoteup", "Panel66", "0", {28, 70, 100, kLine}).speech = {
        .name = "Price of the next art production level: ${}",
        .toolTip = "Price of the next art production level"};
    ControlSpec& artUp = t.button("dxButton12", "Panel66", "upgrade", {170, 66, 100, kButtonH});
    artUp.speech.name = "Upgrade art production for ${peyoteup}";
    artUp.spends = true;

    // Chemist search.
    const std::string chem = "chemistSearchPage";
    t.page(chem, "PageControl3", "Chemist search");
    t.panel(controls::kChemistOffer, chem, {16, 16, 440, 146}).visible = false;
    t.label("newc", controls::kChemistOffer, "", {12, 10, 416, kLine}, Bold).speech.name = "Chemist found: {}";
    t.label("Label113", controls::kChemistOffer, "Degree", {12, 38, 170, kLine});
    t.label("ndegree", controls::kChemistOffer, "", {190, 38, 238, kLine}).speech = {.name = "Degree: {}",
                                                                                     .caption = "Label113"};
    t.label("Label114", controls::kChemistOffer, "Experience", {12, 64, 170, kLine});
    t.label("nexp", controls::kChemistOffer, "0", {190, 64, 238, kLine}).speech = {.name = "Experience: {}",
                                                                                   .caption = "Label114"};
    t.label("Label115", controls::kChemistOffer, "Knowledge of chemistry", {12, 90, 170, kLine});
    t.label("nknowledge", controls::kChemistOffer, "0", {190, 90, 238, kLine}).speech = {
        .name = "Knowledge of chemistry: {}", .caption = "Label115"};
    t.label("Label116", controls::kChemistOffer, "Price", {12, 116, 170, kLine});
    t.label("dollarNPrice", controls::kChemistOffer, "$", {190, 116, 14, kLine});
    t.label("nprice", controls::kChemistOffer, "0", {206, 116, 100, kLine}).speech = {.name = "Price: ${}",
                                                                                      .caption = "Label116"};
    t.button("dxButton13", chem, "Search for a chemist ($100)", {472, 16, 240, 30}).spends = true;
    ControlSpec& hireChemist = t.button("buychemist", chem, "replace your chemist", {472, 56, 240, 30});
    hireChemist.visible = false;
    hireChemist.speech.name = "Replace your chemist[ with {newc}][ for ${nprice}]";
    hireChemist.spends = true;

    t.panel("Panel43", pg, {8, 413, 945, 74});
    const std::array<const char*, 3> notes{
        "You can raise money by making ZRK, getting sponsor's support and producing Art",
        "Upgrade Lab security to lower the likelihood of theft.",
        "Before you apply for sponsorship be sure your team is performing well. "};
    for (int i = 0; i < 3; ++i)
        t.label(num("financesNote", i + 1), "Panel43", notes[i], {12, 6 + i * kLine, 921, kLine});
}

// ---------------------------------------------------------------- page League table

void buildLeaguePage(TableBuilder& t) {
    const std::string pg = "TabSheet7";
    t.page(pg, "PageControl1", "League table", "page_league.jpg");

    t.panel("Panel2", pg, {16, 16, 340, 312});
    t.panel("Panel52", "Panel2", {8, 8, 324, 30});
    t.label("Label45", "Panel52", "Team", {8, 5, 200, kLine}, Bold);
    t.label("Label48", "Panel52", "Points", {230, 5, 80, kLine}, Bold);
    for (int i = 1; i <= 10; ++i) {
        const int y = 46 + (i - 1) * 26;
        t.label(num("team", i), "Panel2", "", {16, y, 206, kLine}).speech = {
            .name = "Place " + std::to_string(i) + ": {}, " + brace(num("teampoints", i)) + " points",
            .description = "Click to see the squad",
            .toolTip = "Click to see the squad"};
        t.label(num("teampoints", i), "Panel2", "0", {238, y, 80, kLine}).speech.name =
            "Points of " + brace(num("team", i)) + ": {}";
    }

    t.panel("Panel3", pg, {372, 16, 573, 212});
    t.panel("Panel71", "Panel3", {8, 8, 557, 30});
    t.label("currentteam", "Panel71", "", {8, 5, 400, kLine}, Bold).speech.name = "Squad of {}";
    t.label("Label4", "Panel3", "Shooting", {196, 46, 90, kLine}, Bold);
    t.label("Label5", "Panel3", "Tactics", {296, 46, 80, kLine}, Bold);
    for (int j = 1; j <= 5; ++j) {
        const int y = 74 + (j - 1) * 26;
        const std::string who = brace(num("pname", j));
        t.label(num("pname", j), "Panel3", "", {16, y, 170, kLine}).speech.name =
            "Player " + std::to_string(j) + ": {}";
        t.label(num("stamina", j), "Panel3", "0", {196, y, 90, kLine}).speech.name = who + ", shooting: {}";
        t.label(num("shooting", j), "Panel3", "0", {296, y, 80, kLine}).speech.name = who + ", tactics: {}";
        t.label(num("mark", j), "Panel3", "", {386, y, 170, kLine}).speech.name = who + ", marker: {}";
    }

    t.panel("Panel45", pg, {16, 344, 929, 80});
    const std::array<const char*, 3> lines{
        "You get a substantial amount of money for finishing in top 3 positions",
        "But, if you end up in two bottom places at the end of a season,",
        "you're gonna get your butt kicked outa the league"};
    for (int i = 0; i < 3; ++i)
        t.label(num("Label", 76 + i), "Panel45", lines[i], {12, 8 + i * 22, 905, kLine});
}

// ---------------------------------------------------------------- page Schedule

void buildSchedulePage(TableBuilder& t) {
    const std::string pg = "TabSheet8";
    t.page(pg, "PageControl1", "Schedule", "page_schedule.jpg");

    t.panel("Panel4", pg, {16, 16, 700, 204});
    t.label("Label34", "Panel4", "Next round", {16, 10, 200, kLine}, Bold);
    for (int k = 1; k <= 5; ++k) {
        const int y = 42 + (k - 1) * 30;
        const std::string pairing = "Pairing " + std::to_string(k) + ": ";
        t.label(num("rteam", 2 * k - 1), "Panel4", "", {16, y, 206, kLine}, RightAligned).speech.name =
            pairing + "{} vs " + brace(num("rteam", 2 * k));
        t.label(num("Label", 80 + k), "Panel4", "vs", {226, y, 30, kLine}, Centered);
        t.label(num("rteam", 2 * k), "Panel4", "", {260, y, 206, kLine}).speech.name =
            pairing + brace(num("rteam", 2 * k - 1)) + " vs {}";
    }
    t.label("Label35", "Panel4", "Favorites to win:", {480, 10, 200, kLine}, Bold);
    for (int k = 1; k <= 5; ++k)
        t.label(num("win", k), "Panel4", "", {480, 42 + (k - 1) * 30, 206, kLine}).speech.name =
            "Favorite to win pairing " + std::to_string(k) + ": {}";
}

// ---------------------------------------------------------------- page Next game

void buildNextGamePage(TableBuilder& t) {
    const std::string pg = "TabSheet9";
    t.page(pg, "PageControl1", "Next game", "page_nextgame.jpg");

    t.panel("Panel5", pg, {16, 8, 929, 58});
    ControlSpec& playByPlay = t.label("action1", "Panel5", "", {12, 8, 905, 42});
    playByPlay.wordWrap = true;
    playByPlay.speech = {.name = "{}", .live = true};

    t.add("RadioGroup5", ControlKind::GroupBox, pg, "Game speed", {600, 80, 200, 110});
    t.add("fastaction", ControlKind::RadioButton, "RadioGroup5", "Fast", {14, 24, 170, 22});
    t.add("normalaction", ControlKind::RadioButton, "RadioGroup5", "Normal", {14, 50, 170, 22}).itemIndex = 1;
    t.add("slowaction", ControlKind::RadioButton, "RadioGroup5", "Slow", {14, 76, 170, 22});

    // The two squads stand in the page's two columns; the game swaps the pairs.
    t.panel("Panel38", pg, {controls::kLeftColumnX, 80, 496, 38});
    t.label("hometeam", "Panel38", "", {8, 9, 214, kLine}, Bold | Centered).speech.name = "{} vs {awayteam}";
    t.label("Label60", "Panel38", "vs", {230, 9, 36, kLine}, Bold | Centered);
    t.label("awayteam", "Panel38", "", {274, 9, 214, kLine}, Bold | Centered);

    const auto squad = [&t, &pg](const char* panel, int x, const char* names, const char* status) {
        t.panel(panel, pg, {x, 128, 240, 146});
        for (int j = 1; j <= 5; ++j) t.label(num(names, j), panel, "", {8, 10 + (j - 1) * 26, 126, kLine});
        for (int j = 1; j <= 5; ++j)
            t.label(num(status, j), panel, "", {138, 10 + (j - 1) * 26, 96, kLine}, Italic).speech.name =
                "[" + brace(num(names, j)) + ": {}]";
    };
    squad(controls::kOurSquad, controls::kLeftColumnX, "yourplayer", "ystatus");
    squad(controls::kTheirSquad, controls::kRightColumnX, "opponent", "ostatus");

    t.panel(controls::kMatchClock, pg, {600, 204, 200, 40}).visible = false;
    t.label("Label58", controls::kMatchClock, "Time:", {12, 10, 60, kLine}, Bold);
    t.label("lbltime", controls::kMatchClock, "", {76, 10, 100, kLine}, Bold).speech = {.name = "Time: {}",
                                                                                        .caption = "Label58"};
    t.panel(controls::kOurScoreBox, pg, {controls::kLeftColumnX, 282, 240, 46}).visible = false;
    t.label("yscore", controls::kOurScoreBox, "0", {8, 8, 224, 30}, Bold | Heading | Centered).speech = {
        .name = "Score: {yteamname} {}, {opteam} {oscore}"};
    t.panel(controls::kTheirScoreBox, pg, {controls::kRightColumnX, 282, 240, 46}).visible = false;
    t.label("oscore", controls::kTheirScoreBox, "0", {8, 8, 224, 30}, Bold | Heading | Centered).speech = {
        .name = "Score: {yteamname} {yscore}, {opteam} {}"};

    t.button("Start", pg, "Start Game", {600, 260, 200, 36});
    // Holds the match where it stands (P, or Space on the page's tab).
    ControlSpec& pause = t.button("pause", pg, "Hold match", {600, 304, 200, 36});
    pause.visible = false;
    pause.extra = true;
}

// ---------------------------------------------------------------- timers

void buildTimers(TableBuilder& t) {
    ControlSpec& timer = t.add("Timer1", ControlKind::Timer, "TForm1", "", {});
    timer.interval = 500;
    timer.enabled = false;
    ControlSpec& music = t.add("MusicTimer", ControlKind::Timer, "TForm1", "", {});
    music.interval = 225000;
    music.enabled = false;
    t.add("MediaPlayer1", ControlKind::MediaPlayer, "TForm1", "", {}).visible = false;
}

// ---------------------------------------------------------------- dialogs

void buildDialogs(TableBuilder& t) {
    // Tresults, TForm4 and TForm5 have no title-bar buttons; Tendseason and
    // TAbout keep a close box. The trophy room opens over the main window, the
    // other dialogs in the middle of the screen.

    // Match results: the club's score on the left, the opponent's on the right,
    // then the week's income and expenses in two columns.
    t.dialog("Tresults", "", 640, 438, "results.jpg").speech = {
        .name = "Match results",
        .description =
            "{Tresults.yourteam} {Tresults.yoscore}, {Tresults.opponentteam} {Tresults.opscore}. "
            "{Tresults.lblresult} [{Tresults.yourlab} ][{Tresults.cactus} ]"
            "[{Tresults.sponsordonates} ]Expenses: training ${Tresults.texpences}"};
    const std::string r = "Tresults";
    t.label("Tresults.yourteam", r, "Your team", {30, 24, 290, 24}, Bold | Larger);
    t.label("Tresults.yoscore", r, "0", {30, 52, 100, 24}, Bold | Larger).speech.name =
        "Score of {Tresults.yourteam}: {}";
    t.label("Tresults.opponentteam", r, "Opponent", {340, 24, 270, 24}, Bold | Larger);
    t.label("Tresults.opscore", r, "0", {340, 52, 100, 24}, Bold | Larger).speech.name =
        "Score of {Tresults.opponentteam}: {}";
    // Below the two score cards of the picture, across the whole width.
    t.label("Tresults.lblresult", r, "Result", {30, 121, 580, 26}, Italic | Larger);
    t.label("Tresults.Label1", r, "Income:", {30, 150, 200, kLine}, Underline | Bold);
    t.label("Tresults.yourlab", r, "ZRK lab brings:", {30, 178, 330, kLine});
    t.label("Tresults.cactus", r, "Art production", {30, 206, 330, kLine});
    t.label("Tresults.sponsordonates", r, "Your sponsor donates:", {30, 234, 330, kLine});
    t.label("Tresults.Label4", r, "Expenses:", {390, 150, 200, kLine}, Underline | Bold);
    t.label("Tresults.Training", r, "Training:", {390, 178, 80, kLine});
    t.label("Tresults.Label2", r, "$", {474, 178, 14, kLine});
    t.label("Tresults.texpences", r, "0", {490, 178, 120, kLine}).speech = {.name = "Training: ${}",
                                                                            .caption = "Tresults.Training"};
    t.button("Tresults.Button1", r, "OK", {270, 388, 100, 30});

    ControlSpec& seasonEnd = t.dialog("Tendseason", "", 536, 198);
    seasonEnd.closeBox = true;
    seasonEnd.speech = {.name = "Season end",
                        .description =
                            "{Tendseason.congrat} {Tendseason.result}[ {Tendseason.money}][ "
                            "{Tendseason.Label1}]"};
    const std::string e = "Tendseason";
    t.label("Tendseason.congrat", e, "Season over", {20, 16, 496, 28}, Bold | Italic | Larger);
    t.label("Tendseason.result", e, "Final place", {20, 56, 496, kLine});
    t.label("Tendseason.money", e, "", {20, 82, 496, kLine});
    t.label("Tendseason.Label1", e, "", {20, 108, 496, kLine});
    t.button("Tendseason.dxButton1", e, "OK", {218, 152, 100, 30});

    ControlSpec& trophies = t.dialog("TForm4", "Trophy room", 495, 342, "trophy.jpg");
    trophies.overMainWindow = true;
    trophies.speech = {
        .name = "Trophy room",
        .description = "1 Place Trophy: {TForm4.ft}, 2 Place Trophy: {TForm4.st}, 3 Place Trophy: {TForm4.tt}"};
    const std::string f4 = "TForm4";
    for (int i = 0; i < 3; ++i)
        t.label(num("TForm4.Label", i + 1), f4, std::to_string(i + 1) + " Place Trophy",
                {20 + i * 155, 40, 145, kLine}, Bold | Centered);
    for (int i = 0; i < 3; ++i)
        t.label(controls::kTrophyCounts[i], f4, "0", {20 + i * 155, 70, 145, 30}, Bold | Heading | Centered)
            .speech = {.name = std::to_string(i + 1) + " Place Trophy: {}",
                       .caption = num("TForm4.Label", i + 1)};
    t.button("TForm4.dxButton1", f4, "ok", {197, 296, 100, 30});

    t.dialog("TForm5", "", 422, 190).speech = {.name = "Message",
                                               .description = "{TForm5.Label1}[ {TForm5.Label2}]"};
    t.label("TForm5.Label1", "TForm5", "Message", {20, 40, 382, kLine}, Bold);
    t.label("TForm5.Label2", "TForm5", "", {20, 68, 382, kLine});
    t.button("TForm5.dxButton1", "TForm5", "ok", {161, 140, 100, 30});

    // The about picture carries the title and the credits.
    ControlSpec& about = t.dialog("TAbout", "About", 417, 300, "about.jpg");
    about.closeBox = true;
    // What the picture says, for a screen reader.
    about.speech = {.name = "About",
                    .description =
                        "Splat League. A paintball team management game. Version 1.0. Made by the Splat "
                        "League team."};
    t.button("TAbout.dxButton1", "TAbout", "ok", {158, 260, 100, 30});
}

std::vector<ControlSpec> buildTable() {
    TableBuilder t;
    buildWindowTop(t);
    buildTeamPage(t);
    buildTacticsPage(t);
    buildTrainingPage(t);
    buildScoutPage(t);
    buildGearPage(t);
    buildFinancesPage(t);
    buildLeaguePage(t);
    buildSchedulePage(t);
    buildNextGamePage(t);
    buildTimers(t);
    buildDialogs(t);
    return t.finish();
}

}  // namespace

const std::vector<ControlSpec>& layoutTable() {
    static const std::vector<ControlSpec> table = buildTable();
    return table;
}

const ControlSpec* findControl(std::string_view name) {
    static const std::unordered_map<std::string_view, const ControlSpec*> index = [] {
        std::unordered_map<std::string_view, const ControlSpec*> m;
        for (const ControlSpec& c : layoutTable()) m.emplace(c.name, &c);
        return m;
    }();
    const auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

const std::vector<std::string>& mainPages() {
    static const std::vector<std::string> pages = [] {
        std::vector<std::string> v;
        for (const ControlSpec& c : layoutTable())
            if (c.kind == ControlKind::Page && c.parent == "PageControl1") v.push_back(c.name);
        return v;
    }();
    return pages;
}

std::string_view mainPageOf(std::string_view name) {
    for (const ControlSpec* c = findControl(name); c != nullptr; c = findControl(c->parent)) {
        if (c->kind == ControlKind::Page && c->parent == "PageControl1") return c->name;
    }
    return {};
}

}  // namespace splat
