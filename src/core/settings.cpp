#include "core/setting_value.h"
#include "core/sound.h"

namespace splat {

namespace {

constexpr std::string_view kSection = "Settings";

// A missing key and a text that is no integer both mean on.
bool readSwitch(const SettingsStore& store, std::string_view key) {
    std::optional<std::string> text = store.read(kSection, key);
    return !text || parseSwitchValue(*text).value_or(true);
}

}  // namespace

void Sound::readSettings() {
    s_.soundOn = readSwitch(settings_, "Sound");
    s_.musicOn = readSwitch(settings_, "Music");
}

// A file that cannot be written does not stop the game: the switch has
// already changed for this run.
void Sound::writeSetting(std::string_view key, bool on) { settings_.write(kSection, key, on ? "1" : "0"); }

}  // namespace splat
