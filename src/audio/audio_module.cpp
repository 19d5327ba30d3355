#include "audio/audio_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/asset_path.h"
#include "core/game_title.h"

namespace splat {
namespace {

using OpenFunction = Audio* (*)();
using CloseFunction = void (*)(Audio*);

// The backend from the module, closed through the module's own function.
class ModuleAudio final : public Audio {
public:
    ModuleAudio(Audio* audio, CloseFunction close) : audio_(audio), close_(close) {}
    ~ModuleAudio() override { close_(audio_); }
    ModuleAudio(const ModuleAudio&) = delete;
    ModuleAudio& operator=(const ModuleAudio&) = delete;

    bool musicOpen(std::string_view file, std::string& error) override {
        return audio_->musicOpen(file, error);
    }
    void musicPlay() override { audio_->musicPlay(); }
    void musicStop() override { audio_->musicStop(); }
    void playEffect(std::string_view file) override { audio_->playEffect(file); }
    bool effectPlaying() const override { return audio_->effectPlaying(); }

private:
    Audio* audio_;
    CloseFunction close_;
};

// An installed game loads the module from its private library folder, a
// build-tree run from beside the program.
std::vector<std::string> candidates() {
    const FileLayout layout = fileLayout();
    if (layout.moduleFolder.empty()) return {};
    return {layout.moduleFolder + "/" + kAudioModuleFile};
}

}  // namespace

std::unique_ptr<Audio> openAudioModule() {
    for (const std::string& path : candidates()) {
        // The module stays loaded for the rest of the run.
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) continue;
        auto open = reinterpret_cast<OpenFunction>(dlsym(module, "splat_open_audio_module"));
        auto close = reinterpret_cast<CloseFunction>(dlsym(module, "splat_close_audio_module"));
        if (open == nullptr || close == nullptr) continue;
        if (Audio* audio = open()) return std::make_unique<ModuleAudio>(audio, close);
    }
    std::fprintf(stderr, "%s: the sound module %s was not found; playing without sound.\n", kGameTitle,
                 kAudioModuleFile);
    return std::make_unique<SilentAudio>();
}

}  // namespace splat
