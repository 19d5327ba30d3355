// The settings file and the two audio switches: how a switch is read, how the
// INI file is read and rewritten, and what the music and sound menu items do
// with the file, the music player and the effects.

#include <gtest/gtest.h>
#include <pthread.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/asset_path.h"
#include "core/clock.h"
#include "core/headless_window.h"
#include "core/ini_settings_store.h"
#include "core/recording_audio.h"
#include "core/setting_value.h"
#include "game/game.h"
#include "splat_install_dirs.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace splat {
namespace {

// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = ::testing::TempDir() + "splat_settings_XXXXXX";
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// ---------------------------------------------------------------------------
// One switch's text

TEST(SwitchValue, DecimalAndHexadecimalIntegersAndTextThatIsNone) {
    const std::vector<std::pair<std::string, std::optional<bool>>> cases{
        {"1", true},
        {"0", false},
        {"000", false},
        {"-3", true},
        {"+0", false},
        {"-0", false},
        {" 0\t", false},
        {"10", true},
        // Far beyond any integer type: still an integer, no overflow.
        {"99999999999999999999999999999", true},
        {std::string(5000, '0'), false},
        {"0x10", true},
        {"0X1f", true},
        {"0x0", false},
        {"0x00", false},
        {"0xA", true},
        // Hexadecimal digits are not decimal ones.
        {"1f", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"0x", std::nullopt},
        {"0xg", std::nullopt},
        {"1a", std::nullopt},
        {"1 2", std::nullopt},
        {"--1", std::nullopt},
        {"+", std::nullopt},
        {"1.0", std::nullopt},
        {"on", std::nullopt},
        {"x10", std::nullopt},
        {"0x 1", std::nullopt}};
    for (const auto& [text, value] : cases) EXPECT_EQ(parseSwitchValue(text), value) << '"' << text << '"';
}

// ---------------------------------------------------------------------------
// The INI file

// One settings file in a fresh folder.
struct IniFile : ::testing::Test {
    // The file holding `text`, opened as the game opens it.
    IniSettingsStore open(const std::string& text) {
        writeFile(file, text);
        return IniSettingsStore(file.string());
    }
    TempFolder dir;
    fs::path file = dir.path() / "vormel.ini";
};

TEST_F(IniFile, MissingFileReadsNothingAndStaysMissing) {
    IniSettingsStore store(file.string());
    EXPECT_EQ(store.read("Settings", "Sound"), std::nullopt);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(IniFile, ReadsKeysOfTheirSectionOnly) {
    IniSettingsStore store = open("[Other]\nSound=7\n\n[settings]\n sound = 0x10 \nMusic=0\n");
    EXPECT_EQ(store.read("Settings", "Sound"), "0x10");  // names without regard to case, value trimmed
    EXPECT_EQ(store.read("Settings", "Music"), "0");
    EXPECT_EQ(store.read("Other", "Sound"), "7");
    EXPECT_EQ(store.read("Other", "Music"), std::nullopt);
    EXPECT_EQ(store.read("Missing", "Sound"), std::nullopt);
}

TEST_F(IniFile, GarbageLinesAreSkipped) {
    IniSettingsStore store =
        open("this is not ini\n=no key\n[unclosed\n\x01\x02\xff\xfe\n[Settings]\nnoise\nMusic=0\n");
    EXPECT_EQ(store.read("Settings", "Music"), "0");
    EXPECT_EQ(store.read("Settings", "Sound"), std::nullopt);
}

TEST_F(IniFile, BinaryGarbageReadsAsMissingKeys) {
    std::string bytes;
    uint32_t x = 12345;
    for (int i = 0; i < 100000; ++i) {
        x = x * 1103515245u + 12345u;
        bytes += static_cast<char>(x >> 24);
    }
    IniSettingsStore store = open(bytes);
    EXPECT_EQ(store.read("Settings", "Sound"), std::nullopt);
    EXPECT_EQ(store.read("Settings", "Music"), std::nullopt);
    // Rewriting repairs it into a readable file.
    ASSERT_TRUE(store.write("Settings", "Sound", "0"));
    EXPECT_EQ(store.read("Settings", "Sound"), "0");
}

TEST_F(IniFile, TenMegabyteFileIsReadAndRewrittenWhole) {
    std::string text = "; a very long file\n[Filler]\n";
    int keys = 0;
    while (text.size() < 10u * 1024u * 1024u) {
        text += "key" + std::to_string(keys++) + "=some filler text to make the file long\n";
    }
    text += "[Settings]\nSound=0\n";
    IniSettingsStore store = open(text);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(store.read("Settings", "Sound"), "0");
    EXPECT_EQ(store.read("Settings", "Music"), std::nullopt);
    ASSERT_TRUE(store.write("Settings", "Music", "1"));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 10.0);

    EXPECT_EQ(store.read("Settings", "Music"), "1");
    EXPECT_EQ(store.read("Settings", "Sound"), "0");
    EXPECT_EQ(store.read("Filler", "key0"), "some filler text to make the file long");
    EXPECT_EQ(store.read("Filler", "key" + std::to_string(keys - 1)), "some filler text to make the file long");
    auto keyLines = [](const std::string& t) { return std::count(t.begin(), t.end(), '='); };
    EXPECT_EQ(keyLines(readFile(file)), keyLines(text) + 1);
}

TEST_F(IniFile, WriteChangesOneKeyAndKeepsTheRest) {
    const std::string before =
        "; written by hand\n"
        "\n"
        "[Other]\n"
        "; about the colour\n"
        "Colour=blue\n"
        "Sound=1\n"
        "\n"
        "[Settings]\n"
        "Sound=1\n"
        "; the music switch\n"
        "Music=1\n"
        "Extra=keep me\n"
        "\n"
        "[Last]\n"
        "x=9\n"
        "; the end\n";
    IniSettingsStore store = open(before);
    ASSERT_TRUE(store.write("Settings", "Sound", "0"));

    std::string after = readFile(file);
    // Every line but the one key is still there, in the same order.
    std::string expected = before;
    expected.replace(expected.find("[Settings]\nSound=1"), 18, "[Settings]\nSound=0");
    auto lines = [](const std::string& text) {
        std::vector<std::string> v;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty()) v.push_back(line);
        }
        return v;
    };
    EXPECT_EQ(lines(after), lines(expected)) << after;
    EXPECT_EQ(store.read("Other", "Sound"), "1");
}

TEST_F(IniFile, NewKeyJoinsItsSectionAndNewSectionComesLast) {
    IniSettingsStore store = open("[Settings]\nSound=0\n[Other]\na=1\n");
    ASSERT_TRUE(store.write("Settings", "Music", "1"));
    ASSERT_TRUE(store.write("Third", "k", "v"));
    const std::string after = readFile(file);
    EXPECT_LT(after.find("Sound=0"), after.find("Music=1"));
    EXPECT_LT(after.find("Music=1"), after.find("[Other]"));
    EXPECT_LT(after.find("a=1"), after.find("[Third]"));
    EXPECT_EQ(store.read("Settings", "Sound"), "0");
}

TEST_F(IniFile, WriteCreatesTheFileAndItsFolders) {
    const fs::path nested = dir.path() / "config" / "splat-league" / "vormel.ini";
    IniSettingsStore store(nested.string());
    ASSERT_TRUE(store.write("Settings", "Sound", "0"));
    EXPECT_EQ(readFile(nested), "[Settings]\nSound=0\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(nested.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(IniFile, UnwritablePlaceFailsAndChangesNothing) {
    // A file stands where the folder should be: no folder can be made there.
    writeFile(dir.path() / "blocker", "not a folder");
    IniSettingsStore blocked((dir.path() / "blocker" / "vormel.ini").string());
    EXPECT_FALSE(blocked.write("Settings", "Sound", "0"));
    EXPECT_EQ(readFile(dir.path() / "blocker"), "not a folder");
    EXPECT_EQ(blocked.read("Settings", "Sound"), std::nullopt);

    // A folder stands where the file should be.
    fs::create_directory(file);
    IniSettingsStore folder(file.string());
    EXPECT_FALSE(folder.write("Settings", "Sound", "0"));
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(IniFile, WritesThroughASymbolicLinkAndKeepsPermissions) {
    const fs::path real = dir.path() / "real.ini";
    writeFile(real, "[Settings]\nSound=1\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, file);

    IniSettingsStore store(file.string());
    ASSERT_TRUE(store.write("Settings", "Sound", "0"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(readFile(real), "[Settings]\nSound=0\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

// Writing a switch changes the one line the reader takes for it (or adds one)
// and keeps every other byte, whatever else the file holds.
TEST_F(IniFile, ToggleChangesOnlyItsLineWhateverTheFileHolds) {
    struct Case {
        std::string before;
        std::optional<std::string> sound;  // what reading finds before the write
        std::string after;                 // the file after writing Sound=0
    };
    const Case cases[] = {
        {"", std::nullopt, "[Settings]\nSound=0\n"},
        {"[Settings]\nSound=1\n", "1", "[Settings]\nSound=0\n"},
        // A header without its ']' starts no section the game knows: its keys
        // stay where they are and the section comes at the end, once.
        {"[A\nk=1\n", std::nullopt, "[A\nk=1\n[Settings]\nSound=0\n"},
        {"[Settings]\nSound=1\n[Broken\nSound=7\n", "1", "[Settings]\nSound=0\n[Broken\nSound=7\n"},
        {"Sound=1\n", std::nullopt, "Sound=1\n[Settings]\nSound=0\n"},
        {"junk\n=x\n[Settings]\nnoise\nSound=1\nmore junk\n", "1",
         "junk\n=x\n[Settings]\nnoise\nSound=0\nmore junk\n"},
        // Duplicates: the last line is the key's, for reading and writing.
        {"[Settings]\nSound=0\nSound=1\n", "1", "[Settings]\nSound=0\nSound=0\n"},
        {"[Settings]\nSound=5\n[Other]\n[settings]\nMusic=0\n", "5",
         "[Settings]\nSound=0\n[Other]\n[settings]\nMusic=0\n"},
        {"[Settings]\nMusic=0\n[Other]\nx=1\n[Settings]\nMusic=1\n\n; tail\n", std::nullopt,
         "[Settings]\nMusic=0\n[Other]\nx=1\n[Settings]\nMusic=1\nSound=0\n\n; tail\n"},
        {"[Settings]\nText=<<<END\nline one\nSound=\nEND\nMusic=1\n", "",
         "[Settings]\nText=<<<END\nline one\nSound=0\nEND\nMusic=1\n"},
        {"[ settings ] ; ours\n  sound =  1  \n", "1", "[ settings ] ; ours\n  sound =  0  \n"},
        {"[Settings]\r\nMusic=1\r\n\r\n[Other]\r\n", std::nullopt,
         "[Settings]\r\nMusic=1\r\nSound=0\r\n\r\n[Other]\r\n"},
        {"[Settings]\r\nSound=1\r\n", "1", "[Settings]\r\nSound=0\r\n"},
        {"[Other]\r\nx=1", std::nullopt, "[Other]\r\nx=1\r\n[Settings]\r\nSound=0\r\n"},
        {"[Settings]\nMusic=1", std::nullopt, "[Settings]\nMusic=1\nSound=0\n"},
        {"[Settings]", std::nullopt, "[Settings]\nSound=0\n"},
        {"\xEF\xBB\xBF[Settings]\nSound=1\n", "1", "\xEF\xBB\xBF[Settings]\nSound=0\n"},
        {"\0\xff[\x01\n[Settings]\nSo\0und=1\n\xfe"s, std::nullopt,
         "\0\xff[\x01\n[Settings]\nSo\0und=1\n\xfe\nSound=0\n"s},
        {"; only a comment\n# another", std::nullopt, "; only a comment\n# another\n[Settings]\nSound=0\n"},
    };
    for (const Case& c : cases) {
        IniSettingsStore store = open(c.before);
        EXPECT_EQ(store.read("Settings", "Sound"), c.sound) << c.before;
        ASSERT_TRUE(store.write("Settings", "Sound", "0")) << c.before;
        EXPECT_EQ(readFile(file), c.after) << c.before;
        EXPECT_EQ(store.read("Settings", "Sound"), "0") << c.before;
        // Writing it again changes nothing more.
        ASSERT_TRUE(store.write("Settings", "Sound", "0"));
        EXPECT_EQ(readFile(file), c.after) << c.before;
    }
}

TEST_F(IniFile, GarbageFileKeepsEveryByteAndGainsOneSection) {
    std::string garbage;
    uint32_t x = 99;
    while (garbage.size() < 5000) {
        x = x * 1103515245u + 12345u;
        const char c = static_cast<char>(x >> 24);
        if (c != '[' && c != '\r') garbage += c;  // no section header, plain line ends
    }
    IniSettingsStore store = open(garbage);
    ASSERT_TRUE(store.write("Settings", "Music", "0"));
    ASSERT_TRUE(store.write("Settings", "Sound", "1"));
    const std::string lineEnd = garbage.back() == '\n' ? "" : "\n";
    EXPECT_EQ(readFile(file), garbage + lineEnd + "[Settings]\nMusic=0\nSound=1\n");
}

TEST_F(IniFile, DanglingLinkStaysALinkAndItsTargetIsWritten) {
    // Relative links, two of them in a row, to a file not yet made.
    fs::create_directory(dir.path() / "real");
    fs::create_symlink("middle.ini", file);
    fs::create_symlink("real/settings.ini", dir.path() / "middle.ini");
    IniSettingsStore store(file.string());
    ASSERT_TRUE(store.write("Settings", "Sound", "0"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "middle.ini"));
    EXPECT_EQ(readFile(dir.path() / "real" / "settings.ini"), "[Settings]\nSound=0\n");
    EXPECT_EQ(store.read("Settings", "Sound"), "0");

    // A link into a folder that does not exist: nothing is made, the link stays.
    const fs::path lost = dir.path() / "lost.ini";
    fs::create_symlink(dir.path() / "gone" / "settings.ini", lost);
    IniSettingsStore lostStore(lost.string());
    EXPECT_FALSE(lostStore.write("Settings", "Sound", "0"));
    EXPECT_TRUE(fs::is_symlink(lost));
    EXPECT_FALSE(fs::exists(dir.path() / "gone"));

    // A loop of links is refused.
    const fs::path loop = dir.path() / "loop.ini";
    fs::create_symlink("loop.ini", loop);
    EXPECT_FALSE(IniSettingsStore(loop.string()).write("Settings", "Sound", "0"));
    EXPECT_TRUE(fs::is_symlink(loop));
}

TEST_F(IniFile, PermissionsOfTheFileAreKept) {
    for (const fs::perms perms : {fs::perms::owner_read | fs::perms::owner_write,
                                  fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read}) {
        IniSettingsStore store = open("[Settings]\nSound=1\n");
        fs::permissions(file, perms);
        ASSERT_TRUE(store.write("Settings", "Sound", "0"));
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, perms);
    }
}

// Two copies of the game toggle one key each, at the same moment, 200 times;
// before each toggle a copy finds its last value still there.
TEST_F(IniFile, TwoCopiesTogglingDifferentKeysAtOnceBothKeepTheirChange) {
    void* shared =
        ::mmap(nullptr, sizeof(pthread_barrier_t), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    auto* together = static_cast<pthread_barrier_t*>(shared);
    pthread_barrierattr_t attr;
    pthread_barrierattr_init(&attr);
    pthread_barrierattr_setpshared(&attr, PTHREAD_PROCESS_SHARED);
    pthread_barrier_init(together, &attr, 2);
    std::vector<pid_t> copies;
    for (const char* key : {"Sound", "Music"}) {
        copies.push_back(::fork());
        if (copies.back() != 0) continue;
        IniSettingsStore store(file.string());
        int lost = 0;
        for (int i = 0; i < 200; ++i) {
            pthread_barrier_wait(together);
            if (i > 0 && store.read("Settings", key) != (i % 2 != 0 ? "0" : "1")) ++lost;
            if (!store.write("Settings", key, i % 2 != 0 ? "1" : "0")) ++lost;
        }
        ::_exit(lost);
    }
    for (const pid_t pid : copies) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0) << "changes lost: " << WEXITSTATUS(status);
    }
    ::munmap(shared, sizeof(pthread_barrier_t));
    const IniSettingsStore store(file.string());
    EXPECT_EQ(store.read("Settings", "Sound"), "1");
    EXPECT_EQ(store.read("Settings", "Music"), "1");
}

// A copy killed between writing its temporary file and putting it in place
// leaves the file as it was; what it left goes with the next start or write,
// but not while another copy is writing, which a write waits for and then
// gives up (the toggle then holds for the run only).
TEST_F(IniFile, WriteCutShortLeavesATemporaryThatTheNextWriteRemoves) {
    const std::vector<std::string> foreign = {".vormel.ini.swp", ".vormel.ini.ABCDEF",
                                              ".other.ini.ABCDEF.splat-tmp"};
    for (const std::string& name : foreign) writeFile(dir.path() / name, "not ours");
    IniSettingsStore store = open("[Settings]\nSound=1\n");
    auto leftBehind = [&] {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()) - 1 -
               static_cast<long>(foreign.size());
    };
    // Another copy, stopped by `signal` where a kill can catch it.
    auto cutShort = [&](int signal) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            IniSettingsStore other(file.string());
            other.setBeforeRename([signal] { std::raise(signal); });
            ::_exit(other.write("Settings", "Music", "0") ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, WUNTRACED);
        EXPECT_TRUE(WIFSIGNALED(status) || WIFSTOPPED(status));
        return pid;
    };
    cutShort(SIGKILL);
    EXPECT_EQ(leftBehind(), 1);
    const pid_t stopped = cutShort(SIGSTOP);  // its start removed what the first left
    EXPECT_EQ(leftBehind(), 1);
    EXPECT_FALSE(
        IniSettingsStore(file.string(), std::chrono::milliseconds(50)).write("Settings", "Sound", "0"));
    EXPECT_EQ(leftBehind(), 1);
    EXPECT_EQ(readFile(file), "[Settings]\nSound=1\n");
    ::kill(stopped, SIGKILL);
    ::waitpid(stopped, nullptr, 0);
    IniSettingsStore{file.string()};
    EXPECT_EQ(leftBehind(), 0);

    cutShort(SIGKILL);
    ASSERT_TRUE(store.write("Settings", "Sound", "0"));
    EXPECT_EQ(leftBehind(), 0);
    EXPECT_EQ(readFile(file), "[Settings]\nSound=0\n");
    for (const std::string& name : foreign) EXPECT_EQ(readFile(dir.path() / name), "not ours") << name;
}

TEST(SettingsPath, DefaultPathFollowsXdgConfigHome) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "";
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";

    ::setenv("HOME", "/home/player", 1);
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(defaultSettingsPath(), "/tmp/xdg/splat-league/vormel.ini");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(defaultSettingsPath(), "/home/player/.config/splat-league/vormel.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);  // only absolute paths count
    EXPECT_EQ(defaultSettingsPath(), "/home/player/.config/splat-league/vormel.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(defaultSettingsPath(), "/home/player/.config/splat-league/vormel.ini");

    if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
    else ::unsetenv("HOME");
}

// ---------------------------------------------------------------------------
// The game with a settings file and a recording music player

// A game over a real settings file in a temporary folder and the recording
// audio backend, which finds files in `assets` only.
struct FileGame {
    explicit FileGame(bool withMusicFile = true)
        : settingsPath(dir.path() / "splat-league" / "vormel.ini"),
          store(settingsPath.string()),
          audio([this](std::string_view line) { audioLines.emplace_back(line); },
                {(dir.path() / "assets").string()}) {
        fs::create_directories(dir.path() / "assets");
        if (withMusicFile) writeFile(dir.path() / "assets" / "Paint.mp3", "a piece");
        writeFile(dir.path() / "assets" / "nice.wav", "an effect");
        window.setListener([this](const WindowEvent& e) { events.push_back(e); });
    }

    void writeSettings(const std::string& text) {
        fs::create_directories(settingsPath.parent_path());
        writeFile(settingsPath, text);
    }
    std::string settingsText() const { return readFile(settingsPath); }
    std::vector<WindowEvent> messages() const {
        std::vector<WindowEvent> out;
        for (const auto& e : events) {
            if (e.type == WindowEvent::Type::Message) out.push_back(e);
        }
        return out;
    }

    TempFolder dir;
    fs::path settingsPath;
    IniSettingsStore store;
    std::vector<std::string> audioLines;
    RecordingAudio audio;
    HeadlessWindow window;
    FixedClock clock;
    Game game{window, audio, store, clock};
    std::vector<WindowEvent> events;
};

using Lines = std::vector<std::string>;

TEST(SettingsAtStartUp, KeyFormsAsTheGameReadsThemWithoutWritingAnything) {
    struct Case {
        const char* file;  // nullptr: no file at all
        int sound;
        int music;
    };
    const Case cases[] = {
        {nullptr, 1, 1},
        {"[Settings]\nSound=0\n", 0, 1},  // silent effects, the music plays
        {"[Settings]\nSound=1\nMusic=0\n", 1, 0},
        {"[Settings]\nSound=0x10\nMusic=0x0\n", 1, 0},
        {"[Settings]\nSound=abc\nMusic=\n", 1, 1},
        {"[Settings]\nSound=-1\nMusic=00\n", 1, 0},
        {"[Other]\nSound=0\nMusic=0\n", 1, 1},
        {"garbage\n\x01\x02\n[Settings\nSound=0\n", 1, 1},
    };
    for (const Case& c : cases) {
        const std::string name = c.file ? c.file : "no file";
        FileGame g;
        if (c.file) g.writeSettings(c.file);
        g.game.startUp();
        EXPECT_EQ(g.game.state().soundOn, c.sound) << name;
        EXPECT_EQ(g.game.state().musicOn, c.music) << name;
        EXPECT_EQ(g.window.text("SoundOff1"), c.sound ? "Sound On" : "Sound Off") << name;
        EXPECT_EQ(g.window.text("MusicOff1"), c.music ? "Music On" : "Music Off") << name;
        EXPECT_EQ(g.window.timerEnabled("MusicTimer"), c.music == 1) << name;
        EXPECT_EQ(g.audioLines, c.music ? (Lines{"music open Paint.mp3", "music play"}) : Lines()) << name;
        g.audioLines.clear();
        g.game.sound().effect("nice.wav");
        EXPECT_EQ(g.audioLines, c.sound ? Lines{"effect nice.wav"} : Lines()) << name;
        if (c.file) {
            EXPECT_EQ(g.settingsText(), c.file) << name;
        } else {
            EXPECT_FALSE(fs::exists(g.settingsPath));
        }
    }
}

TEST(SoundToggle, TwiceLeavesOneAndSoundOn) {
    FileGame g;
    g.game.startUp();
    g.game.sound().SoundOff1Click();
    EXPECT_EQ(g.window.text("SoundOff1"), "Sound Off");
    EXPECT_EQ(g.game.state().soundOn, 0);
    EXPECT_EQ(g.settingsText(), "[Settings]\nSound=0\n");
    g.game.sound().SoundOff1Click();
    EXPECT_EQ(g.window.text("SoundOff1"), "Sound On");
    EXPECT_EQ(g.game.state().soundOn, 1);
    EXPECT_EQ(g.settingsText(), "[Settings]\nSound=1\n");
    // The music went on undisturbed.
    EXPECT_EQ(g.audioLines, (Lines{"music open Paint.mp3", "music play"}));
}

TEST(SoundToggle, WritesOnlyItsKeyAndKeepsCommentAndForeignSection) {
    FileGame g;
    g.writeSettings("; my settings\n[Foreign]\nName=kept\n\n[Settings]\nMusic=1\nSound=1\n");
    g.game.startUp();
    g.game.sound().SoundOff1Click();
    const std::string text = g.settingsText();
    EXPECT_NE(text.find("; my settings\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Foreign]\nName=kept\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Settings]\nMusic=1\nSound=0\n"), std::string::npos) << text;
    EXPECT_LT(text.find("[Foreign]"), text.find("[Settings]"));
}

TEST(SoundToggle, SoundOffPlaysNoEffectAndOnAgainPlaysTheNextOne) {
    FileGame g;
    g.game.startUp();
    g.audioLines.clear();
    g.game.sound().SoundOff1Click();
    g.game.sound().effect("nice.wav");
    EXPECT_TRUE(g.audioLines.empty());
    g.game.sound().SoundOff1Click();
    g.game.sound().effect("nice.wav");
    EXPECT_EQ(g.audioLines, (Lines{"effect nice.wav"}));
}

TEST(MusicToggle, TickPlaysOnAndOffStopsAndOnRestartsFromTheBeginning) {
    FileGame g;
    g.game.startUp();
    g.audioLines.clear();
    g.game.sound().musicloop();  // the piece goes on while the music is on
    EXPECT_EQ(g.audioLines, (Lines{"music play"}));
    g.audioLines.clear();

    g.game.sound().MusicOff1Click();
    EXPECT_EQ(g.audioLines, (Lines{"music stop"}));
    EXPECT_EQ(g.window.text("MusicOff1"), "Music Off");
    EXPECT_FALSE(g.window.timerEnabled("MusicTimer"));
    EXPECT_EQ(g.game.state().musicOn, 0);
    EXPECT_EQ(g.settingsText(), "[Settings]\nMusic=0\n");

    g.game.sound().musicloop();  // the timer is off, but a stray tick must not play
    EXPECT_EQ(g.audioLines.size(), 1u);

    g.game.sound().MusicOff1Click();
    // Opening again is what puts the piece back at its beginning.
    EXPECT_EQ(g.audioLines, (Lines{"music stop", "music open Paint.mp3", "music play"}));
    EXPECT_EQ(g.window.text("MusicOff1"), "Music On");
    EXPECT_TRUE(g.window.timerEnabled("MusicTimer"));
    EXPECT_EQ(g.game.state().musicOn, 1);
    EXPECT_EQ(g.settingsText(), "[Settings]\nMusic=1\n");
}

// The audio rests exactly while the sound and the music are both off, also
// when the music cannot be turned on after all.
TEST(SoundToggle, AudioRestsWhileSoundAndMusicAreBothOff) {
    using Click = void (Sound::*)();
    const struct {
        bool musicFile;
        std::vector<std::pair<Click, bool>> clicks;  // and whether it rests after it
    } cases[] = {
        {true,
         {{&Sound::SoundOff1Click, false},
          {&Sound::MusicOff1Click, false},
          {&Sound::SoundOff1Click, false},
          {&Sound::MusicOff1Click, true}}},
        {false, {{&Sound::MusicOff1Click, true}}},
    };
    for (const auto& c : cases) {
        FileGame g(c.musicFile);
        g.writeSettings("[Settings]\nSound=0\nMusic=0\n");
        g.game.startUp();
        EXPECT_TRUE(g.audio.resting());
        for (const auto& [click, resting] : c.clicks) {
            (g.game.sound().*click)();
            EXPECT_EQ(g.audio.resting(), resting);
        }
    }
}

TEST(MusicFailure, MissingPieceAtStartUpLeavesTheGameRunningWithMusicOff) {
    FileGame g(false);
    g.writeSettings("[Settings]\nMusic=1\n");
    g.game.startUp();

    const auto messages = g.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, assetNotFoundMessage("Paint.mp3"));
    EXPECT_EQ(messages[0].caption, "Splat League");  // the application title
    EXPECT_EQ(g.game.state().musicOn, 0);
    EXPECT_EQ(g.window.text("MusicOff1"), "Music Off");
    EXPECT_FALSE(g.window.timerEnabled("MusicTimer"));
    EXPECT_TRUE(g.audioLines.empty());
    // The file keeps its value, so the next start tries again.
    EXPECT_EQ(g.settingsText(), "[Settings]\nMusic=1\n");
    // The game goes on: the world is there and the options panel is open.
    EXPECT_FALSE(g.game.closed());
    EXPECT_TRUE(g.game.options().optionsOpen());
    EXPECT_FALSE(g.game.state().teamNames[2].empty());

    g.game.sound().musicloop();
    EXPECT_TRUE(g.audioLines.empty());
    EXPECT_EQ(g.messages().size(), 1u);
}

TEST(MusicFailure, MissingPieceWhenTurnedOnShowsTheErrorOnceAndWritesNothing) {
    FileGame g(false);
    g.writeSettings("[Settings]\nMusic=0\n");
    g.game.startUp();
    EXPECT_TRUE(g.messages().empty());

    g.game.sound().MusicOff1Click();
    ASSERT_EQ(g.messages().size(), 1u);
    EXPECT_EQ(g.messages()[0].text, assetNotFoundMessage("Paint.mp3"));
    EXPECT_EQ(g.game.state().musicOn, 0);
    EXPECT_EQ(g.window.text("MusicOff1"), "Music Off");
    EXPECT_FALSE(g.window.timerEnabled("MusicTimer"));
    EXPECT_EQ(g.settingsText(), "[Settings]\nMusic=0\n");

    // Once the piece is there, the next try works.
    writeFile(g.dir.path() / "assets" / "Paint.mp3", "a piece");
    g.game.sound().MusicOff1Click();
    EXPECT_EQ(g.messages().size(), 1u);
    EXPECT_EQ(g.audioLines, (Lines{"music open Paint.mp3", "music play"}));
    EXPECT_EQ(g.window.text("MusicOff1"), "Music On");
    EXPECT_EQ(g.settingsText(), "[Settings]\nMusic=1\n");
}

TEST(UnwritableSettings, TogglesStillWorkForTheRun) {
    FileGame g;
    // The settings folder cannot be created: a file is in its way.
    writeFile(g.settingsPath.parent_path(), "in the way");
    g.game.startUp();

    g.game.sound().SoundOff1Click();
    EXPECT_EQ(g.window.text("SoundOff1"), "Sound Off");
    g.game.sound().effect("nice.wav");
    g.game.sound().MusicOff1Click();
    EXPECT_EQ(g.window.text("MusicOff1"), "Music Off");
    EXPECT_FALSE(g.window.timerEnabled("MusicTimer"));
    g.game.sound().MusicOff1Click();
    EXPECT_EQ(g.window.text("MusicOff1"), "Music On");
    g.game.sound().SoundOff1Click();
    g.game.sound().effect("nice.wav");

    EXPECT_EQ(g.audioLines, (Lines{"music open Paint.mp3", "music play", "music stop", "music open Paint.mp3",
                                   "music play", "effect nice.wav"}));
    EXPECT_TRUE(g.messages().empty());
    EXPECT_FALSE(g.game.closed());
    EXPECT_EQ(readFile(g.settingsPath.parent_path()), "in the way");
}

// ---------------------------------------------------------------------------
// The recording backend and the asset lookup it shares with the real one

TEST(AssetLookup, FirstFolderThatHoldsTheFileWins) {
    TempFolder dir;
    fs::create_directories(dir.path() / "a");
    fs::create_directories(dir.path() / "b");
    fs::create_directories(dir.path() / "c" / "Paint.mp3");  // a folder, not a file
    writeFile(dir.path() / "b" / "Paint.mp3", "b");
    writeFile(dir.path() / "a" / "nice.wav", "a");
    writeFile(dir.path() / "b" / "nice.wav", "b");
    const std::vector<std::string> folders = {(dir.path() / "c").string(), (dir.path() / "a").string(),
                                              (dir.path() / "b").string()};
    EXPECT_EQ(findAsset("Paint.mp3", folders), (dir.path() / "b" / "Paint.mp3").string());
    EXPECT_EQ(findAsset("nice.wav", folders), (dir.path() / "a" / "nice.wav").string());
    EXPECT_EQ(findAsset("org1.wav", folders), "");
    EXPECT_EQ(findAsset("../b/nice.wav", folders), "");
    EXPECT_EQ(findAsset("", folders), "");
}

TEST(AssetLookup, FromTheBuildTreeSearchesBesideTheProgramThenTheWorkingDirectory) {
    const FileLayout layout = fileLayout();
    EXPECT_FALSE(layout.installed);
    const std::string program = fs::read_symlink("/proc/self/exe").parent_path().string();
    const std::string cwd = fs::current_path().string();
    EXPECT_EQ(layout.assetFolders,
              (std::vector<std::string>{program, program + "/assets", cwd, cwd + "/assets"}));
    EXPECT_EQ(layout.moduleFolder, program);
    EXPECT_EQ(assetFolders(), layout.assetFolders);
}

// An installed game keeps to its prefix: the data folder beside its bin
// folder holds the pictures and sounds, and a file of the same name in the
// working directory or beside the program is never taken instead.
TEST(AssetLookup, AnInstalledGameReadsOnlyFromItsPrefix) {
    TempFolder dir;
    const fs::path prefix = dir.path() / "prefix";
    const fs::path bin = prefix / "bin";
    const fs::path data = (bin / SPLAT_DATA_DIR_FROM_PROGRAM).lexically_normal();
    const fs::path elsewhere = dir.path() / "elsewhere";
    for (const fs::path& p : {bin, data, elsewhere}) fs::create_directories(p);
    ASSERT_EQ(data.filename(), "splat-league");
    for (const fs::path& p : {elsewhere, bin, elsewhere / "assets"}) writeFile(p / "banner.jpg", "stray");
    writeFile(elsewhere / "Paint.mp3", "stray");
    writeFile(data / "Paint.mp3", "installed");

    const FileLayout layout = fileLayoutFor(bin, elsewhere);
    EXPECT_TRUE(layout.installed);
    EXPECT_EQ(layout.assetFolders, std::vector<std::string>{data.string()});
    EXPECT_EQ(layout.moduleFolder, (bin / SPLAT_MODULE_DIR_FROM_PROGRAM).lexically_normal().string());
    EXPECT_EQ(fs::path(layout.moduleFolder).filename(), "splat-league");
    EXPECT_EQ(findAsset("Paint.mp3", layout.assetFolders), (data / "Paint.mp3").string());
    EXPECT_EQ(findAsset("banner.jpg", layout.assetFolders), "");  // missing there: not taken from elsewhere
}

TEST(AssetLookup, WithoutItsDataFolderAProgramSearchesLikeABuildTreeRun) {
    TempFolder dir;
    const fs::path bin = dir.path() / "prefix" / "bin";
    const fs::path cwd = dir.path() / "cwd";
    fs::create_directories(bin);
    fs::create_directories(cwd);
    const std::vector<std::string> buildTree = {bin.string(), (bin / "assets").string(), cwd.string(),
                                                (cwd / "assets").string()};
    // No data folder at all, or a file where the folder should be.
    EXPECT_EQ(fileLayoutFor(bin, cwd).assetFolders, buildTree);
    const fs::path data = (bin / SPLAT_DATA_DIR_FROM_PROGRAM).lexically_normal();
    fs::create_directories(data.parent_path());
    writeFile(data, "not a folder");
    const FileLayout layout = fileLayoutFor(bin, cwd);
    EXPECT_FALSE(layout.installed);
    EXPECT_EQ(layout.assetFolders, buildTree);
    EXPECT_EQ(layout.moduleFolder, bin.string());
    // An unknown program folder leaves the working directory alone.
    EXPECT_EQ(fileLayoutFor({}, cwd).assetFolders,
              (std::vector<std::string>{cwd.string(), (cwd / "assets").string()}));
    EXPECT_EQ(fileLayoutFor({}, cwd).moduleFolder, "");
}

TEST(RecordingAudio, ReportsWhatWouldBePlayed) {
    TempFolder dir;
    writeFile(dir.path() / "Paint.mp3", "x");
    writeFile(dir.path() / "smash.wav", "x");
    Lines lines;
    RecordingAudio audio([&](std::string_view line) { lines.emplace_back(line); }, {dir.path().string()});

    audio.musicPlay();  // nothing open yet
    std::string error;
    EXPECT_TRUE(audio.musicOpen("Paint.mp3", error));
    audio.musicPlay();
    audio.musicStop();
    audio.playEffect("smash.wav");
    audio.playEffect("org2.wav");  // missing: plays nothing
    EXPECT_FALSE(audio.musicOpen("Missing.mp3", error));
    EXPECT_EQ(error, assetNotFoundMessage("Missing.mp3"));
    audio.musicPlay();  // the failed open closed the piece
    EXPECT_EQ(lines, (Lines{"music open Paint.mp3", "music play", "music stop", "effect smash.wav"}));
}

}  // namespace
}  // namespace splat
