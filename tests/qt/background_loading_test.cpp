// What the start-up does on helper threads: opening the sound device and
// decoding the pictures of the first frame.

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "audio/background_audio.h"
#include "core/asset_path.h"
#include "ui/widgets/picture_loader.h"

namespace splat::testing {
namespace {

class ScriptedAudio final : public Audio {
public:
    explicit ScriptedAudio(std::vector<std::string>& log, const std::atomic<bool>* effect = nullptr)
        : log_(log), effect_(effect) {}
    ~ScriptedAudio() override { log_.push_back("closed"); }
    bool musicOpen(std::string_view file, std::string& error) override {
        log_.push_back("open " + std::string(file));
        if (file == "missing.mp3") {
            error = "not found";
            return false;
        }
        if (file == "success.wav") {
            error = "cannot play success.wav";
            return false;
        }
        return true;
    }
    void musicPlay() override { log_.push_back("play"); }
    void musicStop() override { log_.push_back("stop"); }
    void playEffect(std::string_view file) override { log_.push_back("effect " + std::string(file)); }
    bool effectPlaying() const override { return effect_ != nullptr && *effect_; }

private:
    std::vector<std::string>& log_;
    const std::atomic<bool>* effect_;
};

// Waits until the backend of `audio` is ready.
void waitReady(BackgroundAudio& audio) {
    for (int i = 0; i < 500 && !audio.isReady(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_TRUE(audio.isReady());
}

TEST(BackgroundAudio, RequestsBeforeTheStartWaitAndAreCarriedOutInOrderOnTheHelperThread) {
    std::vector<std::string> log;
    std::vector<std::string> lateErrors;
    std::atomic<bool> onOtherThread{false};
    const std::thread::id caller = std::this_thread::get_id();
    BackgroundAudio audio(
        [&]() -> std::unique_ptr<Audio> {
            onOtherThread = std::this_thread::get_id() != caller;
            return std::make_unique<ScriptedAudio>(log);
        },
        [&](const std::string& e) { lateErrors.push_back(e); });
    std::string error;
    // The game's music is there: it counts as opened at once.
    EXPECT_TRUE(audio.musicOpen("Paint.mp3", error));
    audio.musicPlay();
    audio.playEffect("smash.wav");
    // A file that is nowhere fails at once with the backend's message.
    EXPECT_FALSE(audio.musicOpen("nowhere.mp3", error));
    EXPECT_EQ(error, assetNotFoundMessage("nowhere.mp3"));
    EXPECT_TRUE(log.empty());  // nothing reaches the backend before the start
    EXPECT_FALSE(audio.isReady());
    audio.start();
    audio.start();  // once only
    waitReady(audio);
    audio.musicStop();  // straight to the backend now
    EXPECT_TRUE(onOtherThread);
    EXPECT_EQ(log, (std::vector<std::string>{"open Paint.mp3", "play", "effect smash.wav", "open nowhere.mp3",
                                             "stop"}));
    EXPECT_TRUE(lateErrors.empty());                      // the missing file was answered already
    EXPECT_FALSE(audio.musicOpen("missing.mp3", error));  // the backend's own answer once ready
    EXPECT_EQ(error, "not found");
}

TEST(BackgroundAudio, AMusicTheBackendCannotPlayAfterAllIsReportedLate) {
    std::vector<std::string> log;
    std::vector<std::string> lateErrors;
    BackgroundAudio audio([&]() -> std::unique_ptr<Audio> { return std::make_unique<ScriptedAudio>(log); },
                          [&](const std::string& e) { lateErrors.push_back(e); });
    std::string error;
    // The file is there (one of the game's sounds) but the backend refuses it.
    ASSERT_FALSE(findAsset("success.wav").empty());
    EXPECT_TRUE(audio.musicOpen("success.wav", error));
    audio.start();
    waitReady(audio);
    EXPECT_EQ(lateErrors, (std::vector<std::string>{"cannot play success.wav"}));
}

TEST(BackgroundAudio, ABackendThatFailsToOpenLeavesTheGameSilentAndSaysSo) {
    std::vector<std::string> lateErrors;
    BackgroundAudio audio([]() -> std::unique_ptr<Audio> { throw std::runtime_error("no audio"); },
                          [&](const std::string& e) { lateErrors.push_back(e); });
    std::string error;
    EXPECT_TRUE(audio.musicOpen("Paint.mp3", error));
    audio.start();
    waitReady(audio);
    audio.musicPlay();
    ASSERT_EQ(lateErrors.size(), 1u);
    EXPECT_NE(lateErrors[0].find("no audio"), std::string::npos);
}

TEST(BackgroundAudio, AHelperStillAtWorkIsWaitedFor) {
    std::atomic<int> made{0};
    std::atomic<bool> opening{false};
    {
        std::vector<std::string> log;
        BackgroundAudio audio(
            [&]() -> std::unique_ptr<Audio> {
                opening = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                ++made;
                return std::make_unique<ScriptedAudio>(log);
            },
            {});
        audio.start();
        // Ended while the helper opens the backend.
        while (!opening) std::this_thread::yield();
    }
    EXPECT_EQ(made, 1);
}

// At rest the backend closes once its effect has finished; waking opens a
// new one, which gets what was asked for meanwhile.
TEST(BackgroundAudio, ARestClosesTheBackendAfterItsEffectAndWakingOpensANewOne) {
    std::vector<std::string> log;
    std::atomic<bool> effect{false};
    BackgroundAudio audio(
        [&]() -> std::unique_ptr<Audio> {
            log.push_back("made");
            return std::make_unique<ScriptedAudio>(log, &effect);
        },
        {});
    audio.rest(true);
    audio.start();  // resting from the start: nothing is made
    audio.rest(false);
    waitReady(audio);
    effect = true;
    audio.rest(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_TRUE(audio.isReady());  // the effect plays on
    effect = false;
    for (int i = 0; i < 500 && audio.isReady(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::string error;
    EXPECT_TRUE(audio.musicOpen("Paint.mp3", error));
    audio.rest(false);
    waitReady(audio);
    EXPECT_EQ(log, (std::vector<std::string>{"made", "closed", "made", "open Paint.mp3"}));
}

// A picture of our own beside the test program, where the game's lookup
// finds it by name: left half red, right half blue.
QString writePicture(const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x) image.setPixelColor(x, y, Qt::red);
    EXPECT_TRUE(image.save(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name, "JPG", 95));
    return name;
}

TEST(PictureLoader, DecodesAJpegAtTheSizeItIsShownAt) {
    const QString path = writePicture(QStringLiteral("loader_test.jpg"), QSize(200, 100));
    const QImage full = ui::pictures::decode(path, QSize());
    ASSERT_FALSE(full.isNull());
    EXPECT_EQ(full.size(), QSize(200, 100));
    const QImage half = ui::pictures::decode(path, QSize(100, 50));
    EXPECT_EQ(half.size(), QSize(100, 50));
    EXPECT_GT(QColor(half.pixel(10, 25)).red(), 200);
    EXPECT_GT(QColor(half.pixel(90, 25)).blue(), 200);
    const QImage wider = ui::pictures::decode(path, QSize(300, 120));
    EXPECT_EQ(wider.size(), QSize(300, 120));
}

TEST(PictureLoader, APrefetchedPictureIsTheSameAsOneDecodedOnTheSpot) {
    const QString path = writePicture(QStringLiteral("prefetch_test.jpg"), QSize(120, 80));
    ui::pictures::Prefetch prefetch;
    prefetch.start(path, QSize(60, 40));
    const QImage fetched = ui::pictures::take(path, QSize(60, 40));
    ASSERT_FALSE(fetched.isNull());
    EXPECT_EQ(fetched, ui::pictures::decode(path, QSize(60, 40)));
    // Taken once; a second take decodes afresh and gives the same.
    EXPECT_EQ(ui::pictures::take(path, QSize(60, 40)), fetched);
}

// A program that starts decoding six pictures and ends at once: a helper
// thread still decoding once the application is gone would crash it, so it
// runs many times.
TEST(PictureLoader, AProgramEndingWhilePicturesDecodeEndsCleanly) {
    for (int run = 0; run < 100; ++run) {
        QProcess probe;
        probe.start(QStringLiteral(SPLAT_PREFETCH_EXIT_EXE), {});
        ASSERT_TRUE(probe.waitForFinished(20000)) << "run " << run;
        ASSERT_EQ(probe.exitStatus(), QProcess::NormalExit) << "run " << run << " crashed";
        ASSERT_EQ(probe.exitCode(), 0) << "run " << run;
    }
}

TEST(PictureLoader, MissingAndBrokenFilesGiveNoPicture) {
    EXPECT_TRUE(ui::pictures::decode(QStringLiteral("no-such-picture.jpg"), QSize(10, 10)).isNull());
    ui::pictures::Prefetch prefetch;
    prefetch.start(QStringLiteral("no-such-picture.jpg"), QSize(10, 10));
    EXPECT_TRUE(ui::pictures::take(QStringLiteral("no-such-picture.jpg"), QSize(10, 10)).isNull());
}

}  // namespace
}  // namespace splat::testing
