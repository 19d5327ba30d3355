#include <gtest/gtest.h>

#include "game/bindings.h"
#include "headless_game.h"

namespace splat {
namespace {

using testing::HeadlessGame;

void click(HeadlessGame& h, const char* name) {
    const Binding* b = findBinding(name, Signal::Click);
    ASSERT_NE(b, nullptr) << name;
    b->handler(h.game, 0, {});
}

void expectOptionsOpen(HeadlessGame& h, bool open) {
    EXPECT_EQ(h.window.visible("optionspanel"), open);
    for (const char* name : {"Panel1", "Panel56", "Panel58", "Button1"})
        EXPECT_EQ(h.window.visible(name), !open) << name;
}

TEST(OptionsPanel, MenuTogglesOkAndPageChangesClose) {
    HeadlessGame h;
    expectOptionsOpen(h, true);
    click(h, "dxButton1");
    expectOptionsOpen(h, false);
    // The menu opens it over the page "Team" without counting as a change of page.
    h.window.selectPage("PageControl1", 5);
    click(h, "Options");
    expectOptionsOpen(h, true);
    EXPECT_EQ(h.window.currentPage("PageControl1"), 0);
    click(h, "Options");
    expectOptionsOpen(h, false);
    EXPECT_EQ(h.window.currentPage("PageControl1"), 0);
    click(h, "Options");
    findBinding("PageControl1", Signal::PageChange)->handler(h.game, 3, {});
    expectOptionsOpen(h, false);
}

TEST(OptionsPanel, GamesPerSeasonEntry) {
    struct Case {
        const char* typed;
        const char* message;
        int value;
    };
    const Case cases[] = {
        {"20", "ok", 20},
        {"70", "ok", 70},
        {" 25 ", "ok", 25},
        {"19", "the value is off limits", 20},
        {"71", "the value is off limits", 20},
        {"-20", "the value is off limits", 20},
        {"99999999999", "the value is off limits", 20},
        {"abc", "Invalid value", 20},
        {"", "Invalid value", 20},
    };
    for (const Case& c : cases) {
        HeadlessGame h;
        h.window.setText("deadline", c.typed);
        click(h, "dxButton2");
        const auto messages = h.eventsOf(WindowEvent::Type::Message);
        ASSERT_EQ(messages.size(), 1u) << c.typed;
        EXPECT_EQ(messages[0].text, c.message) << c.typed;
        EXPECT_EQ(messages[0].caption, "Splat League");
        EXPECT_EQ(h.state().gamesPerSeason, c.value) << c.typed;
        EXPECT_EQ(h.text("deadline"), c.typed);  // the field keeps what was typed
    }
}

// Found by the monkey, which also fires the handlers of disabled controls: a
// season length the week has already reached would make the season endless.
TEST(OptionsPanel, GamesPerSeasonAtOrBelowTheWeekReachedIsOffLimits) {
    for (const int typed : {24, 25, 26}) {
        HeadlessGame h;
        h.state().week = 25;
        h.state().gamesPerSeason = 40;
        h.window.setText("deadline", std::to_string(typed));
        click(h, "dxButton2");
        const auto messages = h.eventsOf(WindowEvent::Type::Message);
        ASSERT_EQ(messages.size(), 1u) << typed;
        EXPECT_EQ(messages[0].text, typed > 25 ? "ok" : "the value is off limits") << typed;
        EXPECT_EQ(h.state().gamesPerSeason, typed > 25 ? typed : 40) << typed;
    }
}

TEST(OptionsPanel, TeamNameKeepsTwentyCharacters) {
    HeadlessGame h;
    findBinding("text", Signal::Change)->handler(h.game, 0, "The Extremely Long Club Name");
    EXPECT_EQ(h.state().teamName, "The Extremely Long C");
    findBinding("text", Signal::Change)->handler(h.game, 0, "");
    EXPECT_EQ(h.state().teamName, "");
    EXPECT_EQ(h.text("yteamname"), "");
}

TEST(Dialogs, TrophyRoomAndAboutOpenModally) {
    HeadlessGame h;
    h.window.setVisible("optionspanel", false);
    click(h, "Button1");
    click(h, "About1");
    const auto dialogs = h.eventsOf(WindowEvent::Type::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].name, "TForm4");
    EXPECT_EQ(dialogs[1].name, "TAbout");
    bool sawFirstPlaces = false;
    for (const auto& [label, text] : dialogs[0].labels) {
        if (label == "ft") {
            sawFirstPlaces = true;
            EXPECT_EQ(text, "0");
        }
    }
    EXPECT_TRUE(sawFirstPlaces);
}

TEST(Bindings, EveryBoundControlExistsInTheLayout) {
    // (Both rows of marker-swap buttons are checked with their handlers.)
    for (const Binding& b : bindings()) EXPECT_NE(findControl(b.control), nullptr) << b.control;
}

}  // namespace
}  // namespace splat

namespace splat {
namespace {

// The sound device may report later that the piece cannot be played: the
// music goes off for the run exactly as when opening fails at once.
TEST(MusicReportedLate, TurnsTheMusicOffOnceAndWritesNothing) {
    testing::HeadlessGame h;
    ASSERT_EQ(h.state().musicOn, 1);
    ASSERT_TRUE(h.window.timerEnabled("MusicTimer"));
    h.game.sound().musicFailed("The music file Paint.mp3 cannot be played: bad data");
    EXPECT_EQ(h.state().musicOn, 0);
    EXPECT_EQ(h.text("MusicOff1"), "Music Off");
    EXPECT_FALSE(h.window.timerEnabled("MusicTimer"));
    const auto messages = h.eventsOf(WindowEvent::Type::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The music file Paint.mp3 cannot be played: bad data");
    EXPECT_FALSE(h.settings.read("Settings", "Music").has_value());
    // Turning it on again tries once more and, when the piece opens, writes the switch.
    h.game.sound().MusicOff1Click();
    EXPECT_EQ(h.state().musicOn, 1);
    EXPECT_EQ(h.settings.read("Settings", "Music"), std::optional<std::string>("1"));
}

}  // namespace
}  // namespace splat
