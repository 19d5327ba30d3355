// The settings file fuzzed: any bytes as the file, then read both switches,
// toggle the sound, and read again. Checks that reading follows the rules
// (compared with a plain reference reader of its own), that the toggle reads
// back, leaves the music alone and changes only its own line.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/ini_settings_store.h"
#include "core/setting_value.h"

namespace {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "settings fuzz: %s\n", what);
        std::abort();
    }
}

std::string trimmed(std::string_view s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    return std::string(s.substr(b, s.find_last_not_of(" \t\r") - b + 1));
}

bool sameName(std::string a, std::string b) {
    for (std::string* s : {&a, &b}) {
        for (char& c : *s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    return a == b;
}

// How a person reads the file: line by line, the last "key=value" of a
// [Settings] section wins; a header without ']' belongs to no section.
std::optional<std::string> referenceRead(std::string text, const std::string& key) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::istringstream in(text);
    std::optional<std::string> value;
    bool inSettings = false;
    for (std::string raw; std::getline(in, raw);) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            inSettings = close != std::string::npos && sameName(trimmed(line.substr(1, close - 1)), "Settings");
        } else if (const size_t eq = line.find('='); inSettings && eq != std::string::npos) {
            const std::string k = trimmed(line.substr(0, eq));
            if (!k.empty() && sameName(k, key)) value = trimmed(line.substr(eq + 1));
        }
    }
    return value;
}

bool switchOn(const std::optional<std::string>& text) {
    return !text || splat::parseSwitchValue(*text).value_or(true);
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/splat_settings_fuzz_" + std::to_string(::getpid()) + ".ini";
    const std::string before(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << before;
    splat::IniSettingsStore store(path);

    const std::optional<std::string> sound = store.read("Settings", "Sound");
    const std::optional<std::string> music = store.read("Settings", "Music");
    require(sound == referenceRead(before, "Sound") && music == referenceRead(before, "Music"),
            "reading breaks a rule");
    // A value with any character no integer has reads as on.
    if (sound && sound->find_first_not_of("0123456789abcdefABCDEFxX+- \t") != std::string::npos) {
        require(switchOn(sound), "a text that is no integer reads as off");
    }

    const std::string value = switchOn(sound) ? "0" : "1";
    require(store.write("Settings", "Sound", value), "the toggle could not write");
    require(store.read("Settings", "Sound") == value, "the toggle does not read back");
    require(store.read("Settings", "Music") == music, "the toggle changed the music");

    // Only one line changed: what differs between the files lies within one
    // line of the old file, and what came in is at most a key line, with its
    // section header and a line end before it.
    const std::string after = fileText(path);
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string removed = before.substr(prefix, before.size() - prefix - suffix);
    const std::string added = after.substr(prefix, after.size() - prefix - suffix);
    require(removed.find('\n') == std::string::npos, "the toggle changed more than one line");
    require(std::count(added.begin(), added.end(), '\n') <= 3 && added.size() <= removed.size() + 24,
            "the toggle added more than its line");
    return 0;
}
