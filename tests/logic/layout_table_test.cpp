// Checks of the control table: structure, names, fixed texts, the start-up
// state and the geometry (containment, no overlaps, room for the texts).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/layout_table.h"
#include "core/name_map.h"

namespace splat {
namespace {

const std::vector<ControlSpec>& table() { return layoutTable(); }

const ControlSpec& control(const std::string& name) {
    const ControlSpec* c = findControl(name);
    if (c == nullptr) throw std::runtime_error("missing control " + name);
    return *c;
}

std::vector<const ControlSpec*> childrenOf(const std::string& parent) {
    std::vector<const ControlSpec*> out;
    for (const ControlSpec& c : table())
        if (c.parent == parent) out.push_back(&c);
    return out;
}

bool hasArea(const Rect& r) { return r.w > 0 && r.h > 0; }

bool intersects(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Size of the client area children are placed in.
Rect clientOf(const ControlSpec& c) {
    if (c.kind == ControlKind::MainWindow) return {0, 0, 996, 711};
    return {0, 0, c.rect.w, c.rect.h};
}

std::vector<std::string> family(const std::string& stem, int from, int to) {
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i) v.push_back(stem + std::to_string(i));
    return v;
}

// ------------------------------------------------------------------ structure

TEST(LayoutTableStructure, NamesAreUniqueAndParentsComeFirst) {
    std::set<std::string> seen;
    for (const ControlSpec& c : table()) {
        ASSERT_FALSE(c.name.empty());
        EXPECT_TRUE(seen.insert(c.name).second) << "duplicate name " << c.name;
        if (c.parent.empty()) {
            EXPECT_TRUE(c.kind == ControlKind::MainWindow || c.kind == ControlKind::Dialog)
                << c.name << " has no parent";
        } else {
            EXPECT_TRUE(seen.count(c.parent) == 1)
                << c.name << ": parent " << c.parent << " missing or created later";
        }
    }
}

TEST(LayoutTableStructure, DialogControlsCarryTheirDialogsName) {
    // Walk up from every control to its top-level window.
    for (const ControlSpec& c : table()) {
        const ControlSpec* top = &c;
        while (!top->parent.empty()) top = &control(top->parent);
        if (top->kind == ControlKind::Dialog && top != &c) {
            EXPECT_EQ(c.name.rfind(top->name + ".", 0), 0u) << c.name << " inside " << top->name;
        } else if (top->kind == ControlKind::MainWindow) {
            EXPECT_EQ(c.name.find('.'), std::string::npos) << c.name;
        }
    }
}

TEST(LayoutTableStructure, CreationOrderOfTheTopLevelParts) {
    const auto& t = table();
    ASSERT_GE(t.size(), 7u);
    EXPECT_EQ(t[0].name, "TForm1");
    EXPECT_EQ(t[0].kind, ControlKind::MainWindow);
    EXPECT_EQ(t[0].text, "Splat League");
    EXPECT_EQ(t[0].rect.w, 996);
    EXPECT_EQ(t[0].rect.h, 735);
    EXPECT_EQ(t[1].name, "MainMenu1");
    EXPECT_EQ(t[1].kind, ControlKind::MenuBar);
    const std::vector<std::pair<std::string, std::string>> menu{{"Newgame1", "New game"},
                                                                {"Options", "Options"},
                                                                {"SoundOff1", "Sound Off"},
                                                                {"MusicOff1", "Music Off"},
                                                                {"About1", "About"}};
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(t[2 + i].name, menu[i].first);
        EXPECT_EQ(t[2 + i].kind, ControlKind::MenuItem);
        EXPECT_EQ(t[2 + i].parent, "MainMenu1");
        EXPECT_EQ(t[2 + i].text, menu[i].second);
    }

    auto position = [&t](const std::string& name) {
        const auto it =
            std::find_if(t.begin(), t.end(), [&name](const ControlSpec& c) { return c.name == name; });
        return it - t.begin();
    };
    // Pages, then the timers and the player, then the dialogs in their order.
    const std::vector<std::string> order{"PageControl1", "TabSheet1",    "TabSheet9", "Timer1",
                                         "MusicTimer",   "MediaPlayer1", "Tresults",  "Tendseason",
                                         "TForm4",       "TForm5",       "TAbout"};
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(position(order[i - 1]), position(order[i])) << order[i - 1] << " " << order[i];
    // Every control of the main window comes before the timers.
    const auto timers = position("Timer1");
    for (std::size_t i = 0; i < t.size(); ++i) {
        const ControlSpec* top = &t[i];
        while (!top->parent.empty()) top = &control(top->parent);
        if (top->name == "TForm1" && t[i].kind != ControlKind::Timer && t[i].kind != ControlKind::MediaPlayer) {
            EXPECT_LT(static_cast<long>(i), timers) << t[i].name;
        }
    }
}

TEST(LayoutTableStructure, MainPagesInTabOrderWithTheirCaptions) {
    const std::vector<std::string> captions{"Team",     "Tactics",      "Training", "Scout",    " Gear",
                                            "Finances", "League table", "Schedule", "Next game"};
    const auto& pages = mainPages();
    ASSERT_EQ(pages.size(), captions.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i], "TabSheet" + std::to_string(i + 1));
        EXPECT_EQ(control(pages[i]).kind, ControlKind::Page);
        EXPECT_EQ(control(pages[i]).text, captions[i]);
        EXPECT_EQ(control(pages[i]).parent, "PageControl1");
        EXPECT_FALSE(control(pages[i]).picture.empty()) << pages[i] << " has no background";
    }
}

TEST(LayoutTableStructure, SubPagesInOrderWithTheirCaptions) {
    auto captionsOf = [](const std::string& pc) {
        std::vector<std::string> v;
        for (const ControlSpec* c : childrenOf(pc)) {
            EXPECT_EQ(c->kind, ControlKind::Page) << c->name;
            v.push_back(c->text);
        }
        return v;
    };
    EXPECT_EQ(captionsOf("PageControl4"),
              (std::vector<std::string>{"Positions", "Boost", "Run for the flag priority"}));
    EXPECT_EQ(
        captionsOf("tab3"),
        (std::vector<std::string>{"Basic gun", "MB gun", "SniperMark", "Neotron tech", "Cheetah", "Piranha gun",
                                  "Diamond pro", "Viper Epump", "Lightning", "Hell Furlong", "Tech demon"}));
    EXPECT_EQ(captionsOf("PageControl2"), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(captionsOf("PageControl3"),
              (std::vector<std::string>{"ZRK laboratory", "Sponsors", "Art production", "Chemist search"}));
    EXPECT_EQ(control("PageControl4").parent, "TabSheet2");
    EXPECT_EQ(control("tab3").parent, "TabSheet5");
    EXPECT_EQ(control("PageControl2").parent, "TabSheet5");
    EXPECT_EQ(control("PageControl3").parent, "TabSheet6");
}

TEST(LayoutTableStructure, FindControlAnswersNamesOnly) {
    EXPECT_EQ(findControl("lblcash"), &control("lblcash"));
    EXPECT_EQ(findControl("lblcash")->name, "lblcash");
    EXPECT_EQ(findControl("Tresults.Label1")->parent, "Tresults");
    EXPECT_EQ(findControl("nosuchcontrol"), nullptr);
    EXPECT_EQ(findControl(""), nullptr);
    // Dialog controls are only found under their full name.
    EXPECT_EQ(findControl("yourlab"), nullptr);
}

// Every control name hashes apart from every other, and so do names that
// differ in one byte at any place, on either side of a word's edge.
TEST(LayoutTableStructure, NamesHashApart) {
    std::set<size_t> hashes;
    for (const ControlSpec& c : layoutTable()) hashes.insert(NameHash{}(c.name));
    EXPECT_EQ(hashes.size(), layoutTable().size());
    for (size_t length = 1; length <= 19; ++length) {
        const std::string base(length, 'a');
        std::set<size_t> variants{NameHash{}(base)};
        for (size_t at = 0; at < length; ++at) {
            std::string other = base;
            other[at] = 'b';
            variants.insert(NameHash{}(other));
        }
        variants.insert(NameHash{}(base + 'a'));
        EXPECT_EQ(variants.size(), length + 2) << "length " << length;
    }
}

// ------------------------------------------------------------------ names

TEST(LayoutTableNames, EveryNumberedFamilyTheHandlersAddressIsComplete) {
    const std::vector<std::tuple<std::string, int, int>> families{
        {"team", 1, 10},      {"teampoints", 1, 10}, {"price", 1, 11},   {"buy", 1, 11},
        {"buya", 1, 6},       {"aprice", 1, 6},      {"lorb", 1, 6},     {"pr", 1, 5},
        {"boost", 1, 5},      {"boostprice", 1, 5},  {"pagrees", 1, 5},  {"ystatus", 1, 5},
        {"ostatus", 1, 5},    {"rteam", 1, 10},      {"win", 1, 5},      {"pname", 1, 5},
        {"stamina", 1, 5},    {"shooting", 1, 5},    {"mark", 1, 5},     {"playername", 1, 5},
        {"s", 1, 5},          {"shoot", 1, 5},       {"m", 1, 5},        {"ot", 1, 5},
        {"ft", 1, 5},         {"fh", 1, 5},          {"pla", 1, 5},      {"w", 1, 5},
        {"pl", 1, 5},         {"replace", 1, 5},     {"apply", 1, 4},    {"dump", 1, 4},
        {"result", 1, 4},     {"Panel", 27, 30},     {"Label", 36, 39},  {"dxButton", 1, 13},
        {"dxButton", 15, 19}, {"yourplayer", 1, 5},  {"opponent", 1, 5}, {"pp", 1, 5},
        {"Label", 81, 85},    {"Label", 97, 100},    {"Label", 76, 78},
    };
    for (const auto& [stem, from, to] : families)
        for (const std::string& name : family(stem, from, to)) EXPECT_NE(findControl(name), nullptr) << name;
}

TEST(LayoutTableNames, ControlsSitInTheContainersTheLogicShowsAndHides) {
    const std::map<std::string, std::string> parentOf{{"RadioGroup1", "Panel59"},
                                                      {"deadline", "Panel61"},
                                                      {"dxButton2", "Panel61"},
                                                      {"text", "Panel62"},
                                                      {"dxButton1", "optionspanel"},
                                                      {"Panel59", "optionspanel"},
                                                      {"dxButton15", "Panel56"},
                                                      {"dxButton3", "Panel53"},
                                                      {"tpnumber", "Panel70"},
                                                      {"Panel70", "Panel69"},
                                                      {"currentteam", "Panel71"},
                                                      {"Label45", "Panel52"},
                                                      {"Label48", "Panel52"},
                                                      {"fastaction", "RadioGroup5"},
                                                      {"yscore", "Panel40"},
                                                      {"oscore", "Panel41"},
                                                      {"lbltime", "Panel39"},
                                                      {"action1", "Panel5"},
                                                      {"result3", "Panel29"},
                                                      {"dump4", "Panel30"},
                                                      {"Label36", "Panel27"},
                                                      {"buychemist", "chemistSearchPage"},
                                                      {"sf", "Panel58"},
                                                      {"Label59", "Panel31"},
                                                      {"ystatus5", "Panel18"},
                                                      {"opponent1", "Panel19"},
                                                      {"Tresults.Button1", "Tresults"}};
    for (const auto& [child, parent] : parentOf) EXPECT_EQ(control(child).parent, parent) << child;
    // Each marker and orb sub-page holds its own price and button.
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(control(control("buy" + std::to_string(n)).parent).parent, "tab3");
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(control(control("buya" + std::to_string(n)).parent).parent, "PageControl2");
        EXPECT_EQ(control("aprice" + std::to_string(n)).parent, control("buya" + std::to_string(n)).parent);
    }
}

// ------------------------------------------------------------------ texts and kinds

TEST(LayoutTableTexts, OddFixedTextsStayExactly) {
    EXPECT_EQ(control("TabSheet5").text, " Gear");
    EXPECT_EQ(control("Label123").text,
              "Price of training points changes depending on how good your coach is and random "
              "factors.");
    EXPECT_EQ(control("Label65").text, "The better coach you got the more money you pay for training. ");
    EXPECT_EQ(control("shooting").items.at(3), "Advanced ");
    EXPECT_EQ(control("tactics").items.at(3), "Advanced");
    EXPECT_EQ(control("shoot").text, "Shooting accuracy");
    EXPECT_EQ(control("Stamina").text, "Tactics");
    EXPECT_EQ(control("playersearch").text, "Search for a player ( $100 )");
    EXPECT_EQ(control("apply3").text, "Apply for sponsorship ($1000)");
    EXPECT_EQ(control("dump1").text, "Dump the sponsor ($400)");
    EXPECT_EQ(control("buychemist").text, "replace your chemist");
    EXPECT_EQ(control("Label87").text, "Your supporters favorite player");
    EXPECT_EQ(control("TForm4").text, "Trophy room");
    EXPECT_EQ(control("TForm4.Label2").text, "2 Place Trophy");
    EXPECT_EQ(control("TAbout").text, "About");
    EXPECT_EQ(control("Tresults").text, "");

    // The finances note ends with a blank.
    bool found = false;
    for (const ControlSpec* c : childrenOf("Panel43"))
        found = found || c->text == "Before you apply for sponsorship be sure your team is performing well. ";
    EXPECT_TRUE(found);

    // The six orb descriptions, line by line, on their own sub-page.
    std::vector<std::string> orb4;
    for (const ControlSpec* c : childrenOf(control("buya4").parent))
        if (c->kind == ControlKind::Label && c->name.rfind("aprice", 0) != 0) orb4.push_back(c->text);
    EXPECT_EQ(orb4, (std::vector<std::string>{"Orb of Chaos is one of a kind artifact",
                                              "that makes it easier for your team",
                                              "to win. Don't expect no miracles though"}));
}

TEST(LayoutTableTexts, SelectorsHoldTheirItemsAndChoices) {
    const ControlSpec& level = control("RadioGroup1");
    EXPECT_EQ(level.kind, ControlKind::RadioGroup);
    EXPECT_EQ(level.items,
              (std::vector<std::string>{"Easy", "Amateur league", "Pro league", "Major league", "Impossible"}));
    EXPECT_EQ(level.itemIndex, 1);
    EXPECT_EQ(control("shooting").itemIndex, 0);
    EXPECT_EQ(control("tactics").itemIndex, 0);
    for (const std::string& name : family("pr", 1, 5)) {
        EXPECT_EQ(control(name).kind, ControlKind::RadioGroup);
        EXPECT_EQ(control(name).items, (std::vector<std::string>{"high", "regular", "low"}));
        EXPECT_EQ(control(name).itemIndex, 1);
    }
    EXPECT_EQ(control("RadioGroup5").kind, ControlKind::GroupBox);
    EXPECT_EQ(control("RadioGroup5").text, "Game speed");
    EXPECT_EQ(control("normalaction").itemIndex, 1);
    EXPECT_NE(control("fastaction").itemIndex, 1);
    EXPECT_NE(control("slowaction").itemIndex, 1);
    EXPECT_EQ(control("deadline").kind, ControlKind::Edit);
    EXPECT_EQ(control("deadline").text, "20");
    EXPECT_EQ(control("text").text, "Your team");
    EXPECT_EQ(control("text").maxLength, 20);
    EXPECT_EQ(control("Timer1").interval, 500);
    EXPECT_EQ(control("MusicTimer").interval, 225000);
    EXPECT_FALSE(control("Timer1").enabled);
}

TEST(LayoutTableTexts, PositionSwapRowSharesTheMarkerSwapCaptions) {
    // Both marker swap rows are checked with their handlers; the position row
    // has the first four captions.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(control("dxButton" + std::to_string(8 + i)).text,
                  control("dxButton" + std::to_string(3 + i)).text);
}

TEST(LayoutTableTexts, PicturesAreBehindTheirSiblings) {
    // A picture is created before every other visible control of its parent
    // (the menu bar of the main window is not drawn in the client area).
    std::set<std::string> seenParents;
    int pictures = 0;
    for (const ControlSpec& c : table()) {
        if (c.kind == ControlKind::Picture) {
            ++pictures;
            EXPECT_FALSE(c.picture.empty()) << c.name;
            EXPECT_EQ(seenParents.count(c.parent), 0u) << c.name << " is not first in its parent";
        }
        if (hasArea(c.rect)) seenParents.insert(c.parent);
    }
    EXPECT_EQ(pictures, 1 + 11 + 6);
    EXPECT_EQ(control("Tresults").picture, "results.jpg");
    EXPECT_EQ(control("TForm4").picture, "trophy.jpg");
    EXPECT_EQ(control("TAbout").picture, "about.jpg");
}

// ------------------------------------------------------------------ beyond the layout

// What an entry tells the keyboard and a screen reader fits its kind: only
// buttons spend, only edit fields press a button on Enter, only menu items
// have keys, item names go with a radio group's items, and a caption is a
// label that captions one control alone.
TEST(LayoutTableBeyondLayout, EachFieldFitsTheKindOfItsEntry) {
    std::map<std::string, std::string> captioned;  // caption label -> the control it captions
    std::set<std::string> shortcuts;
    int spending = 0;
    for (const ControlSpec& c : table()) {
        if (c.spends) {
            ++spending;
            EXPECT_EQ(c.kind, ControlKind::Button) << c.name;
        }
        if (!c.enterPresses.empty()) {
            EXPECT_EQ(c.kind, ControlKind::Edit) << c.name;
            EXPECT_EQ(control(c.enterPresses).kind, ControlKind::Button) << c.name;
            EXPECT_FALSE(control(c.enterPresses).spends) << c.name;
        }
        if (!c.shortcut.empty()) {
            EXPECT_EQ(c.kind, ControlKind::MenuItem) << c.name;
            EXPECT_TRUE(shortcuts.insert(c.shortcut).second) << c.shortcut << " twice";
        }
        if (!c.itemNames.empty()) {
            EXPECT_EQ(c.kind, ControlKind::RadioGroup) << c.name;
            EXPECT_EQ(c.itemNames.size(), c.items.size()) << c.name;
        }
        if (c.speech.live) {
            EXPECT_EQ(c.kind, ControlKind::Label) << c.name;
        }
        if (!c.speech.caption.empty()) {
            EXPECT_EQ(control(c.speech.caption).kind, ControlKind::Label) << c.name;
            EXPECT_TRUE(captioned.emplace(c.speech.caption, c.name).second)
                << c.speech.caption << " captions " << captioned[c.speech.caption] << " and " << c.name;
        }
    }
    EXPECT_GT(spending, 40);
}

// ------------------------------------------------------------------ start-up state

TEST(LayoutTableState, StartUpVisibility) {
    const std::vector<std::string> hidden{
        "Panel1",           "Panel56",  "Panel58",    "Button1", "Panel23", "Panel24", "Panel25",
        "replaceyourcoach", "Panel68",  "buychemist", "dump1",   "dump2",   "dump3",   "dump4",
        "Label61",          "Label62",  "Label63",    "Label64", "Panel39", "Panel40", "Panel41",
        "MediaPlayer1",     "Tresults", "Tendseason", "TForm4",  "TForm5",  "TAbout",  "pause"};
    std::set<std::string> hiddenSet(hidden.begin(), hidden.end());
    for (const ControlSpec& c : table()) {
        if (c.extra) continue;  // added controls say their own start
        EXPECT_EQ(c.visible, hiddenSet.count(c.name) == 0) << c.name;
        const bool timer = c.kind == ControlKind::Timer;
        EXPECT_EQ(c.enabled, !timer) << c.name;
    }
    EXPECT_TRUE(control("optionspanel").visible);
    EXPECT_TRUE(control("Label59").visible);
}

// ------------------------------------------------------------------ geometry

TEST(LayoutTableGeometry, PagesStartBelowTheirTabRows) {
    for (const ControlSpec& c : table()) {
        if (c.kind != ControlKind::Page) continue;
        const ControlSpec& pc = control(c.parent);
        ASSERT_EQ(pc.kind, ControlKind::PageControl);
        const int tabs = static_cast<int>(childrenOf(pc.name).size());
        int rows = 1;
        while (rows * pc.rect.w < tabs * 97) ++rows;
        // The Qt tab bar wraps whole buttons: the rows must agree with that.
        const int perRow = pc.rect.w / 97;
        ASSERT_GT(perRow, 0) << pc.name;
        EXPECT_EQ(rows, (tabs + perRow - 1) / perRow) << pc.name;
        EXPECT_EQ(c.rect.x, 0) << c.name;
        EXPECT_EQ(c.rect.y, 26 * rows) << c.name;
        EXPECT_EQ(c.rect.w, pc.rect.w) << c.name;
        EXPECT_EQ(c.rect.h, pc.rect.h - 26 * rows) << c.name;
    }
    EXPECT_EQ(control("TabSheet1").rect.y, 26);
    EXPECT_EQ(control("markerPage1").rect.y, 78);  // eleven tabs wrap to three rows
}

TEST(LayoutTableGeometry, OnlyNonVisualPartsHaveNoSize) {
    for (const ControlSpec& c : table()) {
        const bool nonVisual = c.kind == ControlKind::MenuBar || c.kind == ControlKind::MenuItem ||
                               c.kind == ControlKind::Timer || c.kind == ControlKind::MediaPlayer;
        EXPECT_EQ(hasArea(c.rect), !nonVisual) << c.name;
    }
    EXPECT_EQ(control("PageControl1").rect.x, 16);
    EXPECT_EQ(control("PageControl1").rect.y, 160);
    EXPECT_EQ(control("PageControl1").rect.w, 961);
    EXPECT_EQ(control("PageControl1").rect.h, 521);
    const std::map<std::string, std::pair<int, int>> dialogSizes{{"Tresults", {640, 438}},
                                                                 {"Tendseason", {536, 198}},
                                                                 {"TForm4", {495, 342}},
                                                                 {"TForm5", {422, 190}},
                                                                 {"TAbout", {417, 300}}};
    for (const auto& [name, size] : dialogSizes) {
        EXPECT_EQ(control(name).rect.w, size.first) << name;
        EXPECT_EQ(control(name).rect.h, size.second) << name;
    }
}

TEST(LayoutTableGeometry, ChildrenLieInsideTheirParents) {
    for (const ControlSpec& c : table()) {
        if (c.parent.empty() || !hasArea(c.rect)) continue;
        const Rect client = clientOf(control(c.parent));
        EXPECT_GE(c.rect.x, 0) << c.name;
        EXPECT_GE(c.rect.y, 0) << c.name;
        EXPECT_LE(c.rect.x + c.rect.w, client.w) << c.name << " leaves " << c.parent;
        EXPECT_LE(c.rect.y + c.rect.h, client.h) << c.name << " leaves " << c.parent;
    }
}

// The controls that stand in for each other or that the game moves.
bool exemptPair(const std::string& a, const std::string& b) {
    static const std::set<std::string> optionStandIns{"Panel1", "Panel56", "Panel58", "Button1"};
    static const std::set<std::string> sides{"Panel18", "Panel19", "Panel40", "Panel41"};
    if ((a == "optionspanel" && optionStandIns.count(b)) || (b == "optionspanel" && optionStandIns.count(a)))
        return true;
    return sides.count(a) && sides.count(b);
}

TEST(LayoutTableGeometry, SiblingsDoNotOverlap) {
    // Hidden controls are included: each of them is shown at some time.
    std::map<std::string, std::vector<const ControlSpec*>> siblings;
    for (const ControlSpec& c : table())
        if (hasArea(c.rect) && c.kind != ControlKind::Picture && c.kind != ControlKind::Page &&
            c.kind != ControlKind::Dialog)
            siblings[c.parent].push_back(&c);
    for (const auto& [parent, list] : siblings)
        for (std::size_t i = 0; i < list.size(); ++i)
            for (std::size_t j = i + 1; j < list.size(); ++j) {
                if (exemptPair(list[i]->name, list[j]->name)) continue;
                EXPECT_FALSE(intersects(list[i]->rect, list[j]->rect))
                    << list[i]->name << " overlaps " << list[j]->name << " in " << parent;
            }
}

TEST(LayoutTableGeometry, MatchSidesFitAtBothPositions) {
    // Each pair stands at x = 59 or x = 315; in both arrangements the two pairs
    // are apart and clear of every other control of the page.
    const std::vector<std::string> pairs[2] = {{"Panel18", "Panel40"}, {"Panel19", "Panel41"}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(control(pair[0]).rect.x, control(pair[1]).rect.x);
        EXPECT_FALSE(intersects(control(pair[0]).rect, control(pair[1]).rect));
    }
    EXPECT_EQ(control("Panel18").rect.x, 59);
    EXPECT_EQ(control("Panel19").rect.x, 315);
    for (const int yourX : {59, 315}) {
        std::vector<Rect> moved;
        for (int side = 0; side < 2; ++side)
            for (const std::string& name : pairs[side]) {
                Rect r = control(name).rect;
                r.x = side == 0 ? yourX : 59 + 315 - yourX;
                EXPECT_LE(r.x + r.w, control("TabSheet9").rect.w) << name;
                moved.push_back(r);
            }
        EXPECT_FALSE(intersects(moved[0], moved[2]));
        EXPECT_FALSE(intersects(moved[0], moved[3]));
        EXPECT_FALSE(intersects(moved[1], moved[2]));
        EXPECT_FALSE(intersects(moved[1], moved[3]));
        for (const ControlSpec* other : childrenOf("TabSheet9")) {
            if (exemptPair(other->name, "Panel18")) continue;
            for (const Rect& r : moved)
                EXPECT_FALSE(intersects(r, other->rect)) << other->name << " at x " << yourX;
        }
    }
    // The heading stands above the squads.
    EXPECT_LE(control("Panel38").rect.y + control("Panel38").rect.h, control("Panel18").rect.y);
}

// Rough width of a text in the base font with the given emphasis.
int textWidth(const std::string& text, int style) {
    int perChar = 7;
    if (style & Bold) perChar = 8;
    if (style & Larger) perChar += 1;
    if (style & Heading) perChar += 3;
    return static_cast<int>(text.size()) * perChar;
}

bool fits(const ControlSpec& c, const std::string& text) {
    const int margin = c.kind == ControlKind::Button ? 16 : 4;
    const int lines = c.wordWrap ? std::max(1, c.rect.h / 18) : 1;
    return textWidth(text, c.style) + margin <= c.rect.w * lines && c.rect.h >= 18;
}

TEST(LayoutTableGeometry, FixedTextsHaveRoom) {
    for (const ControlSpec& c : table()) {
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Button ||
            c.kind == ControlKind::RadioButton || c.kind == ControlKind::Edit) {
            EXPECT_TRUE(fits(c, c.text)) << c.name << " clips \"" << c.text << "\"";
        }
        if (c.kind == ControlKind::RadioGroup) {
            for (const std::string& item : c.items)
                EXPECT_LE(textWidth(item, Plain) + 40, c.rect.w) << c.name << " " << item;
            // One row per item plus the frame.
            EXPECT_GE(c.rect.h, static_cast<int>(c.items.size()) * 22 + 16) << c.name;
        }
    }
}

TEST(LayoutTableGeometry, LongestChangingTextsHaveRoom) {
    const std::string person(16, 'M');  // longest person name
    const std::string club(20, 'M');    // longest club name (the name field's limit)
    const std::string marker = "Cheetah action";
    std::vector<std::pair<std::string, std::string>> cases{
        {"yteamname", club},
        {"lblcash", "-2147483648"},
        {"Tresults.yourlab", "Some dude broke into the lab and stole ZRK"},
        {"Tresults.lblresult", "Your team wins the game and gets $449 for it"},
        {"Tresults.sponsordonates", person + " donates: $1799"},
        {"Tresults.cactus", "Art production brings $12345"},
        {"Tresults.yourteam", club},
        {"Tresults.opponentteam", club},
        {"Tendseason.result", "Your team ends 12 season in 10 place"},
        {"Tendseason.congrat", "A sad day for your team"},
        {"Tendseason.money", "Your guys are sorry they couldn't make it"},
        {"TForm5.Label1", "You got no more cash to manage the team."},
        {"TForm5.Label2", "It sucks, but the game is over!"},
        {"action1", std::string(110, 'a')},
        {"degree", "Masters degree in Chemestry"},
        {"ndegree", "Masters degree in Chemestry"},
        {"wprice", "$10999"},
        {"lbltime", "15"},
        {"opteam", club},
        {"currentteam", club},
        {"hometeam", club},
        {"awayteam", club},
        {"yoursponsor", person},
        {"chemistname", person},
        {"coachname", person},
        {"newname", person},
        {"newc", person},
        {"cname", person},
        {"splayer", person},
        {"sf", person},
        {"newweapon", marker},
    };
    for (int i = 1; i <= 10; ++i) {
        cases.emplace_back("team" + std::to_string(i), club);
        cases.emplace_back("rteam" + std::to_string(i), club);
    }
    for (int j = 1; j <= 5; ++j) {
        const std::string n = std::to_string(j);
        for (const char* stem : {"playername", "pla", "pl", "pname", "yourplayer", "opponent", "pp"})
            cases.emplace_back(stem + n, person);
        for (const char* stem : {"m", "w", "mark"}) cases.emplace_back(stem + n, marker);
        cases.emplace_back("win" + n, club);
        cases.emplace_back("pagrees" + n, person + " will do his best");
        cases.emplace_back("ystatus" + n, "gets the flag");
        cases.emplace_back("ostatus" + n, "gets the flag");
    }
    for (const char* name :
         {"firstplayer", "fifthplayer", "fopponent", "fifthopponent", "firstboost", "fifthboost"})
        cases.emplace_back(name, person);
    for (int s = 1; s <= 4; ++s) cases.emplace_back("result" + std::to_string(s), person + " is not convinced");
    for (int k = 1; k <= 6; ++k) cases.emplace_back("lorb" + std::to_string(k), "Orb of Training pool");
    for (int n = 1; n <= 11; ++n) cases.emplace_back("price" + std::to_string(n), "Price: $16999");
    for (int n = 1; n <= 6; ++n) cases.emplace_back("aprice" + std::to_string(n), "Price:  $7499");

    for (const auto& [name, text] : cases)
        EXPECT_TRUE(fits(control(name), text)) << name << " clips \"" << text << "\"";
}

TEST(LayoutTableGeometry, HeaderSitsOnTheRightOfTheBanner) {
    const Rect banner = control("bannerPicture").rect;
    EXPECT_EQ(banner.w, 977);
    EXPECT_EQ(banner.h, 161);
    for (const char* name :
         {"yteamname", "Label3", "Label29", "lblcash", "Label30", "weeknumber", "Label40", "lblseason"}) {
        const ControlSpec& c = control(name);
        EXPECT_EQ(c.parent, "TForm1");
        EXPECT_GE(c.rect.x, banner.x + banner.w / 2) << name;
        EXPECT_LE(c.rect.y + c.rect.h, banner.y + banner.h) << name;
        EXPECT_TRUE(c.style & Light) << name;
    }
}

}  // namespace
}  // namespace splat
