// splat-script: plays the game headless from a script.
//   splat-script [--clock SECONDS] [--settings FILE] [SCRIPT]

#include <charconv>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "core/ini_settings_store.h"
#include "splat_script/script_runner.h"

namespace {

// A script that cannot be read is refused, never taken as an empty one.
int cannotRead(const std::string& file, std::string_view reason) {
    std::cerr << "splat-script: cannot read " << file << ": " << reason << "\n";
    return 2;
}

int usage(std::string_view problem) {
    std::cerr << "splat-script: " << problem << "\n"
              << "usage: splat-script [--clock SECONDS] [--settings FILE] [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that went away is a failed write, told below like a full disk.
    std::signal(SIGPIPE, SIG_IGN);
    int64_t clock = 1000000000;
    std::string settingsFile;
    std::string scriptFile;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--clock" || arg == "--settings") {
            if (i + 1 >= argc) return usage(std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            if (arg == "--settings") {
                settingsFile = value;
                continue;
            }
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), clock);
            if (ec != std::errc() || end != value.data() + value.size()) return usage("bad --clock value");
        } else if (arg.size() > 1 && arg.front() == '-') {
            return usage("unknown option " + std::string(arg));
        } else if (haveScript) {
            return usage("only one script");
        } else {
            scriptFile = arg;
            haveScript = true;
        }
    }

    std::ifstream file;
    if (haveScript) {
        std::error_code ec;
        if (std::filesystem::is_directory(scriptFile, ec)) return cannotRead(scriptFile, "it is a folder");
        file.open(scriptFile);
        if (!file) return usage("cannot read " + scriptFile);
    }
    // The game's own settings file code; without --settings the switches live for the run only.
    std::unique_ptr<splat::SettingsStore> settings;
    if (!settingsFile.empty()) settings = std::make_unique<splat::IniSettingsStore>(settingsFile);

    splat::script::ScriptRunner runner(std::cout, std::move(settings), clock);
    runner.start();
    if (!runner.run(haveScript ? static_cast<std::istream&>(file) : std::cin)) {
        return cannotRead(haveScript ? scriptFile : "standard input", "read error");
    }
    if (!std::cout.flush()) {
        std::cerr << "splat-script: cannot write the output\n";
        return 1;
    }
    return 0;
}
