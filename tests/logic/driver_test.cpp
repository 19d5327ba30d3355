// The headless driver as a person uses it: a script in, events and JSON out.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "core/layout_table.h"

namespace {

struct DriverRun {
    std::string out;
    int status = -1;
    // The printed lines, without the music player's (start-up plays music).
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("music ", 0) != 0) v.push_back(line);
        }
        return v;
    }
    // The JSON after `prefix` on the first line that starts with it.
    nlohmann::json json(const std::string& prefix) const {
        for (const auto& line : lines()) {
            if (line.rfind(prefix, 0) == 0) return nlohmann::json::parse(line.substr(prefix.size()));
        }
        return nullptr;
    }
};

DriverRun runDriver(const std::string& script, const std::string& args = "") {
    // One file per test: ctest runs the tests of this program side by side.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string path = ::testing::TempDir() + "splat_driver_" + test->name() + ".script";
    std::ofstream(path) << script;
    const std::string command = std::string(SPLAT_SCRIPT_EXE) + " " + args + " " + path + " 2>&1";
    DriverRun r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[65536];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(Driver, DumpViewListsEveryControl) {
    const DriverRun r = runDriver("dump view\n");
    EXPECT_EQ(r.status, 0);
    const auto view = r.json("view ");
    ASSERT_TRUE(view.is_object());
    // Controls added beyond the first window stay out of the view.
    size_t listed = 0;
    for (const auto& desc : splat::layoutTable()) {
        EXPECT_EQ(view.contains(desc.name), !desc.extra) << desc.name;
        listed += desc.extra ? 0 : 1;
    }
    EXPECT_EQ(view.size(), listed);
    EXPECT_EQ(view["Panel18"]["x"].get<int>() + view["Panel19"]["x"].get<int>(), 59 + 315);
    EXPECT_EQ(view["RadioGroup1"]["index"], 1);
    EXPECT_EQ(view["RadioGroup1"]["items"][4], "Impossible");
    EXPECT_EQ(view["optionspanel"]["visible"], true);
}

TEST(Driver, StateUsesTheGameNamesAndOneBasedArrays) {
    const DriverRun r = runDriver("dump state\n", "--clock 42");
    const auto state = r.json("state ");
    ASSERT_TRUE(state.is_object());
    EXPECT_EQ(state["cash"], 2000);
    EXPECT_EQ(state["markerNames"].size(), 12u);
    EXPECT_EQ(state["markerNames"][0], "None");
    EXPECT_EQ(state["markerPrice"].size(), 11u);
    EXPECT_EQ(state["players"].size(), 10u);
    EXPECT_EQ(state["players"][0].size(), 5u);
    EXPECT_TRUE(state["players"][0][0].contains("flagsPickedUp"));
    EXPECT_EQ(state["pairings"].size(), 5u);
    EXPECT_EQ(state["tableTeam"][0], 10);
    EXPECT_EQ(state["hasOrb"][0], 0);
    EXPECT_EQ(state["chemistExperience"], 16);
    // The same clock gives the same world.
    EXPECT_EQ(runDriver("dump state\n", "--clock 42").json("state "), state);
    EXPECT_NE(runDriver("dump state\n", "--clock 43").json("state "), state);
}

TEST(Driver, ClicksOnlyWhatAPlayerCouldClick) {
    const DriverRun r = runDriver(
        "click Panel1\n"
        "click Trophy\n"
        "click Button1\n"    // hidden behind the options panel
        "click dxButton1\n"  // Ok closes the panel
        "click Button1\n"    // now it opens the trophy room
        "page 3\n"
        "select RadioGroup1 9\n"
        "bogus line\n"
        "dump lblcash\n");
    EXPECT_EQ(r.status, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "error: Panel1 cannot be clicked now");
    EXPECT_EQ(lines[1], "error: no control named Trophy");
    EXPECT_EQ(lines[2], "error: Button1 cannot be clicked now");
    EXPECT_EQ(lines[3].rfind("dialog TForm4 {", 0), 0u);
    EXPECT_EQ(lines[4].rfind("error: select RadioGroup1 needs an item index", 0), 0u);
    EXPECT_EQ(lines[5], "error: unknown command bogus");
    EXPECT_EQ(lines[6], "text lblcash \"2000\"");
}

TEST(Driver, QuestionsTypingAndPages) {
    const DriverRun r = runDriver(
        "answer yes\n"
        "select RadioGroup1 0\n"
        "select RadioGroup1 2\n"
        "type text Sunday League Splatters\n"
        "type deadline 45\n"
        "click dxButton2\n"
        "page 6\n"
        "dump state\n"
        "dump view\n");
    const auto lines = r.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(
        nlohmann::json::parse(lines[0].substr(9)),
        (nlohmann::json{
            {"caption", "Warning"}, {"text", "This will start a new game. Go ahead?"}, {"answer", "yes"}}));
    EXPECT_EQ(nlohmann::json::parse(lines[1].substr(9))["answer"], "no");
    EXPECT_EQ(lines[2], R"(message {"caption":"Splat League","text":"ok"})");
    const auto state = r.json("state ");
    EXPECT_EQ(state["difficulty"], 2);
    EXPECT_EQ(state["teamName"], "Sunday League Splatt");
    EXPECT_EQ(state["gamesPerSeason"], 45);
    const auto view = r.json("view ");
    EXPECT_EQ(view["optionspanel"]["visible"], false);
    EXPECT_EQ(view["Panel1"]["visible"], true);
    EXPECT_EQ(view["yteamname"]["text"], "Sunday League Splatt");
    // The change to Pro league was refused: the selector shows Easy, in force.
    EXPECT_EQ(view["RadioGroup1"]["index"], 0);
}

TEST(Driver, BadArgumentsAndUnreadableScripts) {
    EXPECT_EQ(runDriver("", "--clock").status, 2);
    EXPECT_EQ(runDriver("", "--clock abc").status, 2);
    EXPECT_EQ(runDriver("", "--frobnicate").status, 2);
    const std::string command = std::string(SPLAT_SCRIPT_EXE) + " /nonexistent/script.txt 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(Driver, RefusesScriptsItCannotRead) {
    const std::string out = ::testing::TempDir() + "splat_driver_refused.out";
    const std::string err = ::testing::TempDir() + "splat_driver_refused.err";
    // A folder, and a file whose first read fails with an I/O error.
    for (const std::string& script : {::testing::TempDir(), std::string("/proc/self/mem")}) {
        const std::string command = std::string(SPLAT_SCRIPT_EXE) + " " + script + " >" + out + " 2>" + err;
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << script;
        EXPECT_EQ(fileText(err).rfind("splat-script: cannot read " + script + ": ", 0), 0u) << fileText(err);
        if (script != "/proc/self/mem") {
            EXPECT_EQ(fileText(out), "");  // refused before the game starts
        }
    }
    std::remove(out.c_str());
    std::remove(err.c_str());
}

TEST(Driver, TogglesKeepAHeaderWithoutItsBracketAsItIs) {
    const std::string file = ::testing::TempDir() + "splat_driver_broken.ini";
    std::ofstream(file) << "[A\nk=1\n";
    for (int run = 0; run < 3; ++run) EXPECT_EQ(runDriver("click SoundOff1\n", "--settings " + file).status, 0);
    EXPECT_EQ(fileText(file), "[A\nk=1\n[Settings]\nSound=0\n");
    std::remove(file.c_str());
}

TEST(Driver, SettingsFileIsReadAndWrittenByTheGamesOwnCode) {
    const std::string file = ::testing::TempDir() + "splat_driver_vormel.ini";
    std::ofstream(file) << "; kept\n[Settings]\nSound=0\n";
    const DriverRun r =
        runDriver("dump SoundOff1\nclick SoundOff1\nclick MusicOff1\ndump SoundOff1\n", "--settings " + file);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.lines(),
              (std::vector<std::string>{"text SoundOff1 \"Sound Off\"", "text SoundOff1 \"Sound On\""}));
    // Line by line (the writer may set sections apart with blank lines).
    std::vector<std::string> written;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) written.push_back(line);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"; kept", "[Settings]", "Sound=1", "Music=0"}));
    std::remove(file.c_str());
}

// Lines too long to hold are refused, and words from the script are quoted
// short and with their control bytes shown; the script goes on either way.
TEST(Driver, OverlongLinesAndBadWordsGiveOneShortErrorLine) {
    const std::string big(2 * 1024 * 1024, 'x');
    const std::string tooLong = "error: line longer than 1048576 bytes";
    const std::string week = "text weeknumber \"1\"";
    const struct {
        std::string script;
        std::vector<std::string> lines;
    } cases[] = {
        {big + "\ndump weeknumber\n", {tooLong, week}},
        {"dump weeknumber\n" + big, {week, tooLong}},
        {"click " + std::string("\0\x1b", 2) + std::string(100, 'a') + "\n",
         {"error: no control named \\x00\\x1b" + std::string(78, 'a') + "..."}},
        {"dump " + std::string(1000, 'q') + "\n", {"error: no control named " + std::string(80, 'q') + "..."}},
    };
    for (const auto& c : cases) {
        const DriverRun r = runDriver(c.script);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.lines(), c.lines);
    }
}

// A write that fails (a full disk, a reader that went away) is not success.
TEST(Driver, OutputThatCannotBeWrittenEndsWithAnError) {
    const std::string script = ::testing::TempDir() + "splat_driver_output.script";
    std::ofstream out(script);
    for (int i = 0; i < 50; ++i) out << "dump view\n";
    out.close();
    const std::string err = ::testing::TempDir() + "splat_driver_output.err";
    const std::string status = ::testing::TempDir() + "splat_driver_output.status";
    const std::string run = std::string(SPLAT_SCRIPT_EXE) + " " + script + " 2>" + err;
    for (const std::string& command : {run + " >/dev/full; echo $? >" + status,
                                       "(" + run + "; echo $? >" + status + ") | head -c 1 >/dev/null"}) {
        std::system(command.c_str());
        EXPECT_EQ(fileText(status), "1\n") << command;
        EXPECT_EQ(fileText(err), "splat-script: cannot write the output\n") << command;
    }
    for (const std::string& file : {script, err, status}) std::remove(file.c_str());
}

TEST(Driver, ReadsTheScriptFromStandardInput) {
    const std::string command =
        "printf 'dump weeknumber\\n' | " + std::string(SPLAT_SCRIPT_EXE) + " | grep -v '^music '";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[256] = {};
    const size_t n = fread(buffer, 1, sizeof buffer - 1, pipe);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(std::string(buffer, n), "text weeknumber \"1\"\n");
}

}  // namespace

// The book against the game: a season and a bit played with `play` at
// several clocks, the state dumped after every week. Each week's ledger lines
// add up to the week's change of cash and every balance is the cash it left;
// the book's table is the game's after every week; the season's final table
// is the one the season end decided (its place, and points that the book's
// own count of wins and ties gives).
TEST(Driver, TheBookAddsUpToTheGame) {
    for (const char* clock : {"--clock 7", "--clock 1600000000", "--clock 424242"}) {
        std::string script =
            "select shooting 1\nselect tactics 2\npage 5\nclick labupgrade\nclick dxButton12\n";
        for (int week = 0; week < 22; ++week) script += "click boost1\nclick Start\nplay\ndump state\n";
        const DriverRun r = runDriver(script + "dump book\n", clock);
        std::vector<nlohmann::json> states;
        nlohmann::json book;
        std::string seasonEnd;
        for (const auto& line : r.lines()) {
            if (line.rfind("state ", 0) == 0) states.push_back(nlohmann::json::parse(line.substr(6)));
            if (line.rfind("book ", 0) == 0) book = nlohmann::json::parse(line.substr(5));
            if (line.rfind("dialog Tendseason ", 0) == 0) seasonEnd = line;
        }
        ASSERT_TRUE(book.is_object()) << clock;
        const auto& weeks = book["weeks"];
        ASSERT_EQ(weeks.size(), states.size()) << clock;
        ASSERT_GE(weeks.size(), 19u) << clock << ": the season ends after 19 weeks";

        int64_t balance = 0;
        for (const auto& e : book["ledger"]) {
            balance += e["amount"].get<int64_t>();
            EXPECT_EQ(e["balance"].get<int64_t>(), balance) << clock;
        }
        EXPECT_EQ(balance, states.back()["cash"].get<int64_t>()) << clock;
        int64_t before = 0;
        for (size_t w = 0; w < weeks.size(); ++w) {
            int64_t sum = 0;
            for (const auto& e : book["ledger"]) {
                if (e["season"] == weeks[w]["season"] && e["week"] == weeks[w]["week"])
                    sum += e["amount"].get<int64_t>();
            }
            EXPECT_EQ(sum, weeks[w]["cash"].get<int64_t>() - before) << clock << " week " << w;
            EXPECT_EQ(weeks[w]["cash"], states[w]["cash"]) << clock;
            before = weeks[w]["cash"].get<int64_t>();
            for (size_t row = 0; row < 10; ++row) {
                EXPECT_EQ(weeks[w]["table"][row]["team"], states[w]["tableTeam"][row])
                    << clock << " week " << w;
                EXPECT_EQ(weeks[w]["table"][row]["points"], states[w]["tablePoints"][row]) << clock;
            }
        }

        ASSERT_EQ(book["seasons"].size(), 1u) << clock;
        const auto& season = book["seasons"][0];
        const int place = season["place"].get<int>();
        EXPECT_NE(seasonEnd.find("season in " + std::to_string(place) + " place"), std::string::npos)
            << seasonEnd;
        EXPECT_EQ(season["table"][place - 1]["team"], 1);
        for (const auto& row : season["table"]) {
            EXPECT_EQ(row["points"].get<int>(), 3 * row["wins"].get<int>() + row["ties"].get<int>()) << clock;
            EXPECT_EQ(row["games"], 19);
        }
        // The week that closed the season left the final order with no points.
        for (size_t row = 0; row < 10; ++row)
            EXPECT_EQ(weeks[18]["table"][row]["team"], season["table"][row]["team"]) << clock;
    }
}
