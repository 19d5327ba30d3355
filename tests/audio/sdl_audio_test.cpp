// The SDL2_mixer backend playing the game's real music and effects on SDL's
// silent driver, which plays in real time like a sound card.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "audio/sdl_audio.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace splat {
namespace {

const std::vector<std::string> kAssets = {SPLAT_ASSETS_DIR};

// Waits until `done` holds, at most `limit`; returns the time it took.
std::chrono::duration<double> waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto start = std::chrono::steady_clock::now();
    while (!done() && std::chrono::steady_clock::now() - start < limit) std::this_thread::sleep_for(5ms);
    return std::chrono::steady_clock::now() - start;
}

class SdlAudioTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlAudioTest, OpensTheSilentDriver) {
    SdlAudio audio(kAssets);
    EXPECT_TRUE(audio.ready());
    EXPECT_EQ(audio.driverName(), "dummy");
}

TEST_F(SdlAudioTest, PlaysTheRealMusicAndATickChangesNothing) {
    SdlAudio audio(kAssets);
    std::string error;
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    EXPECT_FALSE(audio.musicPlaying());
    audio.musicPlay();
    EXPECT_TRUE(audio.musicPlaying());

    waitFor([&] { return audio.musicPosition() > 0.3; }, 3000ms);
    const double before = audio.musicPosition();
    EXPECT_GT(before, 0.3);
    audio.musicPlay();  // the music timer's tick while the piece plays
    EXPECT_TRUE(audio.musicPlaying());
    EXPECT_GE(audio.musicPosition(), before);
}

TEST_F(SdlAudioTest, StopHaltsWhereItIsAndOpeningAgainStartsFromTheBeginning) {
    SdlAudio audio(kAssets);
    std::string error;
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    audio.musicPlay();
    waitFor([&] { return audio.musicPosition() > 0.5; }, 3000ms);

    audio.musicStop();
    EXPECT_FALSE(audio.musicPlaying());
    const double stoppedAt = audio.musicPosition();
    EXPECT_GT(stoppedAt, 0.5);
    std::this_thread::sleep_for(200ms);
    EXPECT_NEAR(audio.musicPosition(), stoppedAt, 0.05);  // halted, still open

    // The player turns the music off and on: the piece is opened again.
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    EXPECT_LT(audio.musicPosition(), 0.01);
    audio.musicPlay();
    EXPECT_TRUE(audio.musicPlaying());
    EXPECT_LT(audio.musicPosition(), stoppedAt);
    waitFor([&] { return audio.musicPosition() > 0.1; }, 3000ms);
    EXPECT_GT(audio.musicPosition(), 0.1);  // and it really plays
}

TEST_F(SdlAudioTest, PlayAfterStopGoesOnFromWhereItStopped) {
    SdlAudio audio(kAssets);
    std::string error;
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    audio.musicPlay();
    waitFor([&] { return audio.musicPosition() > 0.5; }, 3000ms);
    audio.musicStop();
    const double stoppedAt = audio.musicPosition();
    audio.musicPlay();
    EXPECT_TRUE(audio.musicPlaying());
    EXPECT_GE(audio.musicPosition(), stoppedAt - 0.05);
}

TEST_F(SdlAudioTest, AFinishedPieceStartsAgainOnTheNextPlay) {
    // A short wave file as the piece, so that it ends within the test.
    SdlAudio audio(kAssets);
    std::string error;
    ASSERT_TRUE(audio.musicOpen("smash.wav", error)) << error;
    audio.musicPlay();
    EXPECT_TRUE(audio.musicPlaying());
    const auto took = waitFor([&] { return !audio.musicPlaying(); }, 5000ms);
    ASSERT_FALSE(audio.musicPlaying());
    EXPECT_GT(took.count(), 0.3);

    audio.musicStop();  // stopping a finished piece keeps it at its end
    audio.musicPlay();
    EXPECT_TRUE(audio.musicPlaying());
    waitFor([&] { return !audio.musicPlaying(); }, 5000ms);
    EXPECT_FALSE(audio.musicPlaying());
}

TEST_F(SdlAudioTest, AnEffectStartsAndEnds) {
    SdlAudio audio(kAssets);
    audio.playEffect("nice.wav");
    EXPECT_TRUE(audio.effectPlaying());
    const auto took = waitFor([&] { return !audio.effectPlaying(); }, 5000ms);
    EXPECT_FALSE(audio.effectPlaying());
    EXPECT_GT(took.count(), 0.5);  // the chime lasts 0.78 s
    EXPECT_LT(took.count(), 3.0);
}

TEST_F(SdlAudioTest, ANewEffectCutsOffTheOneBefore) {
    SdlAudio audio(kAssets);
    audio.playEffect("success.wav");  // almost two seconds
    std::this_thread::sleep_for(100ms);
    audio.playEffect("smash.wav");  // under half a second
    const auto took = waitFor([&] { return !audio.effectPlaying(); }, 5000ms);
    EXPECT_FALSE(audio.effectPlaying());
    EXPECT_LT(took.count(), 1.2);
}

TEST_F(SdlAudioTest, EffectsAndMusicPlayTogether) {
    SdlAudio audio(kAssets);
    std::string error;
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    audio.musicPlay();
    audio.playEffect("org1.wav");
    EXPECT_TRUE(audio.effectPlaying());
    EXPECT_TRUE(audio.musicPlaying());
}

TEST_F(SdlAudioTest, MissingFiles) {
    SdlAudio audio(kAssets);
    std::string error;
    EXPECT_FALSE(audio.musicOpen("NoSuchPiece.mp3", error));
    EXPECT_EQ(error, "The file NoSuchPiece.mp3 was not found.");
    audio.musicPlay();
    EXPECT_FALSE(audio.musicPlaying());

    audio.playEffect("nosuch.wav");
    EXPECT_FALSE(audio.effectPlaying());
}

TEST_F(SdlAudioTest, UnplayableMusicFailsWithTheDecodersReason) {
    const fs::path dir = fs::path(::testing::TempDir()) / "splat_audio_unplayable";
    fs::create_directories(dir);
    std::ofstream(dir / "Paint.mp3") << "this is no music at all";
    SdlAudio audio({dir.string()});
    std::string error;
    EXPECT_FALSE(audio.musicOpen("Paint.mp3", error));
    EXPECT_EQ(error.rfind("The file Paint.mp3 cannot be played: ", 0), 0u) << error;
    EXPECT_GT(error.size(), std::string("The file Paint.mp3 cannot be played: ").size());
    audio.musicPlay();
    EXPECT_FALSE(audio.musicPlaying());
    fs::remove_all(dir);
}

TEST_F(SdlAudioTest, FailingToOpenTheMusicClosesThePieceBefore) {
    SdlAudio audio(kAssets);
    std::string error;
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    audio.musicPlay();
    EXPECT_FALSE(audio.musicOpen("NoSuchPiece.mp3", error));
    EXPECT_FALSE(audio.musicPlaying());
    audio.musicPlay();
    EXPECT_FALSE(audio.musicPlaying());
}

TEST(SdlAudioFallback, ADeviceThatCannotBeOpenedFallsBackToSilence) {
    // The driver named here does not exist, so opening the device fails.
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudio audio(kAssets);
    EXPECT_TRUE(audio.ready());
    EXPECT_EQ(audio.driverName(), "dummy");
    std::string error;
    ASSERT_TRUE(audio.musicOpen("Paint.mp3", error)) << error;
    audio.musicPlay();
    EXPECT_TRUE(audio.musicPlaying());
    audio.playEffect("org2.wav");
    EXPECT_TRUE(audio.effectPlaying());
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// What a process prints on stderr while `run` runs.
std::string stderrOf(const std::function<void()>& run) {
    std::fflush(stderr);
    const std::string path = ::testing::TempDir() + "splat_audio_stderr.txt";
    const int saved = ::dup(2);
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ::close(file);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool machineHasSoundCard() {
    std::ifstream cards("/proc/asound/cards");
    std::string first;
    return cards && std::getline(cards, first) && first.find("no soundcards") == std::string::npos;
}

TEST(SdlAudioFallback, AlsaWithoutASoundCardFallsBackWithoutAWord) {
    ::setenv("SDL_AUDIODRIVER", "alsa", 1);
    std::string driver;
    const std::string printed = stderrOf([&] {
        SdlAudio audio(kAssets);
        EXPECT_TRUE(audio.ready());
        driver = audio.driverName();
    });
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(printed, "");
    if (!machineHasSoundCard()) {
        EXPECT_EQ(driver, "dummy");
    }
}

TEST(SdlAudioSignals, TerminationSignalsKeepTheirDefaultAction) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudio audio(kAssets);
    ASSERT_TRUE(audio.ready());
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        ASSERT_EQ(::sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}

}  // namespace
}  // namespace splat
