// The source folders are layers: a file may include headers of its own
// folder and of the folders below it, never of one above, and the game logic
// never includes Qt.
//
// The window is cut into rooms, lowest first: widgets (the widget kit and the
// pictures), access (keyboard, focus, screen reader), book (the season book's
// window), guide (the guide's window), window (the window seam on Qt and its
// builder) and app (the program). A room includes only the
// rooms below it. Of the logic, the rooms see only what the window implements
// or is built from: the seams of core and the binding table of game (the list
// below); the Game itself only the program sees, so the window reads no game
// state. The audio folder holds no Qt and nothing of the window.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Folder {
    std::string path;                  // below the source tree
    std::string name;                  // how an include path names it: "core", "ui/widgets"
    std::set<std::string> mayInclude;  // the folders it may include, by name, its own among them
    bool logic;                        // plain C++: no Qt header
    // When not empty: the only headers of the logic (core, league,
    // management, match, game) the folder may include.
    std::set<std::string> logicHeaders = {};
};

const std::set<std::string> kLogicFolders = {"core", "league", "management", "match", "game"};

// What the window sees of the logic: the seams it implements or is built
// from (the window, the layout table, the binding table), the asset lookup,
// and two plain helpers.
const std::set<std::string> kSeenByTheWindow = {"core/window.h",      "core/layout_table.h", "core/name_map.h",
                                                "core/game_title.h",  "core/asset_path.h",   "game/bindings.h",
                                                "core/book_records.h"};

// What the program sees besides: the Game it runs, and the audio, settings
// and clock it hands the game.
std::set<std::string> seenByTheProgram() {
    std::set<std::string> headers = kSeenByTheWindow;
    headers.insert({"game/game.h", "game/guide_numbers.h", "core/audio.h", "core/clock.h",
                    "core/settings_store.h", "core/ini_settings_store.h"});
    return headers;
}

const std::vector<Folder>& folders() {
    static const std::vector<Folder> table = {
        {"src/core", "core", {"core"}, true},
        {"src/league", "league", {"core", "league"}, true},
        {"src/management", "management", {"core", "league", "management"}, true},
        {"src/match", "match", {"core", "league", "management", "match"}, true},
        {"src/game", "game", {"core", "league", "management", "match", "game"}, true},
        {"src/audio", "audio", {"core", "audio"}, true},
        {"src/ui/widgets", "ui/widgets", {"core", "ui/widgets"}, false, kSeenByTheWindow},
        {"src/ui/access", "ui/access", {"core", "ui/widgets", "ui/access"}, false, kSeenByTheWindow},
        {"src/ui/book", "ui/book", {"core", "ui/widgets", "ui/access", "ui/book"}, false, kSeenByTheWindow},
        {"src/ui/guide", "ui/guide", {"core", "ui/widgets", "ui/access", "ui/guide"}, false, kSeenByTheWindow},
        {"src/ui/window",
         "ui/window",
         {"core", "game", "ui/widgets", "ui/access", "ui/book", "ui/window"},
         false,
         kSeenByTheWindow},
        {"src/ui/app",
         "ui/app",
         {"core", "game", "audio", "ui/widgets", "ui/access", "ui/book", "ui/guide", "ui/window", "ui/app"},
         false,
         seenByTheProgram()},
        {"tools/splat_script",
         "splat_script",
         {"core", "league", "management", "match", "game", "splat_script"},
         true},
    };
    return table;
}

const Folder& folder(const std::string& path) {
    for (const Folder& f : folders())
        if (f.path == path) return f;
    throw std::logic_error("no folder " + path);
}

struct Include {
    std::string file;
    int line;
    std::string target;
};

std::vector<Include> includesIn(const fs::path& dir) {
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex angled(R"(^\s*#\s*include\s*<([^>]+)>)");
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        std::ifstream in(entry.path());
        int n = 0;
        for (std::string line; std::getline(in, line);) {
            ++n;
            std::smatch m;
            if (std::regex_search(line, m, quoted)) {
                found.push_back({entry.path().string(), n, m[1]});
            } else if (std::regex_search(line, m, angled)) {
                found.push_back({entry.path().string(), n, "<" + m[1].str() + ">"});
            }
        }
    }
    return found;
}

// What is wrong with one include of a file in `folder`, or "" when it is fine.
std::string fault(const Folder& folder, const std::string& target) {
    if (target.front() == '<') {
        const bool qt =
            target.size() > 2 && target[1] == 'Q' && std::isupper(static_cast<unsigned char>(target[2]));
        return folder.logic && qt ? "a Qt header in plain C++ code" : "";
    }
    const size_t slash = target.find('/');
    if (slash == std::string::npos) return "";  // a header beside the file
    const std::string top = target.substr(0, slash);
    const std::string dir = target.substr(0, target.rfind('/'));
    bool ours = false;  // the path starts like one of the game's folders
    for (const Folder& f : folders()) {
        if (f.name == dir) {
            if (!folder.mayInclude.count(dir)) return "a header of " + dir + ", a layer above or beside it";
            if (kLogicFolders.count(dir) && !folder.logicHeaders.empty() && !folder.logicHeaders.count(target))
                return "a header of the logic that " + folder.name + " does not see";
            return "";
        }
        ours = ours || f.name.substr(0, f.name.find('/')) == top;
    }
    return ours ? "a header of no source folder" : "";
}

TEST(Layers, NoFileIncludesALayerAboveItsOwn) {
    const fs::path root = SPLAT_SOURCE_DIR;
    int checked = 0;
    for (const Folder& folder : folders()) {
        ASSERT_TRUE(fs::is_directory(root / folder.path)) << folder.path;
        for (const Include& inc : includesIn(root / folder.path)) {
            ++checked;
            const std::string why = fault(folder, inc.target);
            EXPECT_EQ(why, "") << inc.file << ":" << inc.line << " includes " << inc.target;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(Layers, TheCheckTellsUpwardIncludesFromAllowedOnes) {
    struct Case {
        const char* folder;
        const char* include;
        bool allowed;
    };
    const Case cases[] = {
        {"src/core", "game/game.h", false},
        {"src/core", "league/league.h", false},
        {"src/match", "game/bindings.h", false},
        {"src/match", "ui/window/qt_window.h", false},
        {"src/core", "<QWidget>", false},
        {"src/match", "management/gear.h", true},
        {"src/match", "core/window.h", true},
        {"src/core", "<string>", true},
        {"src/core", "nlohmann/json.hpp", true},
        // The rooms of the window, lowest first.
        {"src/ui/widgets", "ui/access/focus_guard.h", false},
        {"src/ui/widgets", "ui/window/qt_window.h", false},
        {"src/ui/access", "ui/window/qt_window.h", false},
        {"src/ui/access", "ui/app/app_identity.h", false},
        {"src/ui/window", "ui/app/startup_guard.h", false},
        {"src/ui/window", "ui/qt_window.h", false},  // no room of that name
        {"src/ui/access", "ui/widgets/game_label.h", true},
        {"src/ui/window", "ui/access/accessible_window.h", true},
        {"src/ui/app", "ui/window/qt_window.h", true},
        {"src/ui/widgets", "<QWidget>", true},
        // The logic as the rooms see it.
        {"src/ui/window", "core/window.h", true},
        {"src/ui/window", "game/bindings.h", true},
        {"src/ui/widgets", "core/layout_table.h", true},
        {"src/ui/window", "core/game_state.h", false},
        {"src/ui/book", "core/book_records.h", true},
        {"src/ui/book", "core/season_book.h", false},
        {"src/ui/book", "ui/window/qt_window.h", false},
        {"src/ui/window", "game/game.h", false},
        {"src/ui/window", "match/week.h", false},
        {"src/ui/access", "game/bindings.h", false},
        {"src/ui/app", "game/game.h", true},
        {"src/ui/app", "core/game_context.h", false},
        // The sound: no Qt, nothing of the window.
        {"src/audio", "<QString>", false},
        {"src/audio", "ui/widgets/theme.h", false},
        {"src/audio", "core/audio.h", true},
        {"src/ui/app", "audio/background_audio.h", true},
        {"src/ui/window", "audio/audio_module.h", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fault(folder(c.folder), c.include).empty(), c.allowed)
            << c.folder << " includes " << c.include;
    }
}

// Every folder with sources is in the table, so that none escapes the check.
TEST(Layers, EverySourceFolderIsALayerOrARoom) {
    const fs::path root = SPLAT_SOURCE_DIR;
    std::set<std::string> known;
    for (const Folder& f : folders()) known.insert(f.path);
    for (const char* top : {"src", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            const std::string dir = entry.path().parent_path().lexically_relative(root).generic_string();
            EXPECT_TRUE(known.count(dir)) << entry.path() << " lies in no folder the check knows";
        }
    }
}

// Each layer's library, and each room of the window, lists its sources by
// name: every .cpp of the folder is in the list, and nothing else is.
TEST(Layers, EachLayerBuildsExactlyTheSourcesOfItsFolder) {
    const fs::path root = SPLAT_SOURCE_DIR;
    static const std::regex source(R"(([A-Za-z0-9_]+\.cpp))");
    for (const char* layer :
         {"src/core", "src/league", "src/management", "src/match", "src/game", "src/audio", "src/ui",
          "src/ui/widgets", "src/ui/access", "src/ui/book", "src/ui/guide", "src/ui/window", "src/ui/app"}) {
        std::set<std::string> onDisk;
        for (const auto& entry : fs::directory_iterator(root / layer)) {
            if (entry.path().extension() == ".cpp") onDisk.insert(entry.path().filename().string());
        }
        std::ifstream in(root / layer / "CMakeLists.txt");
        ASSERT_TRUE(in) << layer;
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::set<std::string> listed;
        for (std::sregex_iterator it(text.begin(), text.end(), source), end; it != end; ++it)
            listed.insert((*it)[1]);
        EXPECT_EQ(listed, onDisk) << layer;
    }
}

// The game's subsystems are composed, not stacked: a class of the logic
// derives only from one of the seams it implements (a headless window, a
// settings store in memory, a fixed clock, ...), never from another class.
TEST(Layers, NoClassOfTheLogicDerivesFromAnotherButASeam) {
    const fs::path root = SPLAT_SOURCE_DIR;
    static const std::regex derived(
        R"(^\s*(?:class|struct)\s+(\w+)(?:\s+final)?\s*:\s*(?:public\s+|private\s+|protected\s+)?(\w+))");
    static const std::set<std::string> seams = {"Window", "Audio", "SettingsStore", "Clock"};
    int seamImplementations = 0;
    for (const char* layer : {"core", "league", "management", "match", "game"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / "src" / layer)) {
            std::ifstream in(entry.path());
            int n = 0;
            for (std::string line; std::getline(in, line);) {
                ++n;
                std::smatch m;
                if (!std::regex_search(line, m, derived)) continue;
                EXPECT_TRUE(seams.count(m[2]))
                    << entry.path().string() << ":" << n << ": " << m[1] << " derives from " << m[2];
                ++seamImplementations;
            }
        }
    }
    EXPECT_GT(seamImplementations, 0) << "the check found not even the seams' implementations";
}

}  // namespace
