// The source folders are layers: a file may include headers of its own
// folder and of the folders below it, never of one above, and the game logic
// never includes Qt.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Folder {
    std::string path;                // below the source tree
    std::set<std::string> mayInclude;  // first part of an include path, e.g. "core"
    bool logic;                      // plain C++: no Qt header
};

const std::vector<Folder>& folders() {
    static const std::vector<Folder> table = {
        {"src/core", {"core"}, true},
        {"src/league", {"core", "league"}, true},
        {"src/management", {"core", "league", "management"}, true},
        {"src/match", {"core", "league", "management", "match"}, true},
        {"src/game", {"core", "league", "management", "match", "game"}, true},
        {"src/audio", {"core", "audio"}, true},
        {"src/ui", {"core", "league", "management", "match", "game", "audio", "ui"}, false},
        {"tools/splat_script", {"core", "league", "management", "match", "game", "splat_script"}, true},
    };
    return table;
}

// The folders an include path can name: every folder of the table.
std::set<std::string> knownFolders() {
    std::set<std::string> names;
    for (const Folder& f : folders()) names.insert(fs::path(f.path).filename().string());
    return names;
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
        const bool qt = target.size() > 2 && target[1] == 'Q' && std::isupper(static_cast<unsigned char>(target[2]));
        return folder.logic && qt ? "a Qt header in plain C++ code" : "";
    }
    const size_t slash = target.find('/');
    if (slash == std::string::npos) return "";  // a header beside the file
    const std::string first = target.substr(0, slash);
    if (!knownFolders().count(first)) return "";
    return folder.mayInclude.count(first) ? "" : "a header of " + first + ", a layer above or beside it";
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
    const Folder& core = folders()[0];
    const Folder& match = folders()[3];
    EXPECT_NE(fault(core, "game/game.h"), "");
    EXPECT_NE(fault(core, "league/league.h"), "");
    EXPECT_NE(fault(match, "game/bindings.h"), "");
    EXPECT_NE(fault(match, "ui/qt_window.h"), "");
    EXPECT_NE(fault(core, "<QWidget>"), "");
    EXPECT_EQ(fault(match, "management/management.h"), "");
    EXPECT_EQ(fault(match, "core/window.h"), "");
    EXPECT_EQ(fault(core, "<string>"), "");
    EXPECT_EQ(fault(core, "nlohmann/json.hpp"), "");
}

// Each layer's library lists its sources by name: every .cpp of the folder is
// in the list, and nothing else is.
TEST(Layers, EachLayerBuildsExactlyTheSourcesOfItsFolder) {
    const fs::path root = SPLAT_SOURCE_DIR;
    static const std::regex source(R"(([A-Za-z0-9_]+\.cpp))");
    for (const char* layer : {"src/core", "src/league", "src/management", "src/match", "src/game"}) {
        std::set<std::string> onDisk;
        for (const auto& entry : fs::directory_iterator(root / layer)) {
            if (entry.path().extension() == ".cpp") onDisk.insert(entry.path().filename().string());
        }
        std::ifstream in(root / layer / "CMakeLists.txt");
        ASSERT_TRUE(in) << layer;
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::set<std::string> listed;
        for (std::sregex_iterator it(text.begin(), text.end(), source), end; it != end; ++it) listed.insert((*it)[1]);
        EXPECT_EQ(listed, onDisk) << layer;
    }
}

}  // namespace
