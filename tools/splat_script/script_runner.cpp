#include "splat_script/script_runner.h"

#include <charconv>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "core/recording_audio.h"
#include "core/text_input.h"
#include "game/bindings.h"
#include "splat_script/book_json.h"
#include "splat_script/script_lines.h"
#include "splat_script/state_json.h"

namespace splat::script {
namespace {

using Json = nlohmann::ordered_json;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Splits off the first word; `rest` keeps what follows the single blank after it.
std::string_view firstWord(std::string_view line, std::string_view& rest) {
    const size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        rest = {};
        return line;
    }
    rest = line.substr(space + 1);
    return line.substr(0, space);
}

bool toLong(std::string_view text, long& value) {
    text = trim(text);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out, std::unique_ptr<SettingsStore> settings, int64_t clockSeconds)
    : out_(out),
      settings_(settings ? std::move(settings) : std::make_unique<MemorySettingsStore>()),
      // What the music player and the effects are asked to do, with the files
      // looked up as the game does (a missing piece fails to open).
      audio_(std::make_unique<RecordingAudio>([this](std::string_view line) { print(line); })),
      clock_(clockSeconds) {
    game_ = std::make_unique<Game>(window_, *audio_, *settings_, clock_);
    window_.setListener([this](const WindowEvent& e) {
        switch (e.type) {
            case WindowEvent::Type::Message:
                print("message " + Json{{"caption", e.caption}, {"text", e.text}}.dump());
                break;
            case WindowEvent::Type::Question:
                print("question " +
                      Json{{"caption", e.caption}, {"text", e.text}, {"answer", e.flag ? "yes" : "no"}}.dump());
                break;
            case WindowEvent::Type::Dialog: {
                Json labels = Json::object();
                for (const auto& [name, text] : e.labels) labels[name] = text;
                print("dialog " + e.name + " " + labels.dump());
                break;
            }
            case WindowEvent::Type::Timer:
                if (e.name == "Timer1") {
                    print(e.flag ? "timer Timer1 on " + std::to_string(e.interval)
                                 : std::string("timer Timer1 off"));
                }
                break;
            case WindowEvent::Type::Closed: print("closed"); break;
        }
    });
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::start() { game_->startUp(); }

void ScriptRunner::print(std::string_view text) { out_ << text << '\n'; }

void ScriptRunner::error(std::string_view text) { out_ << "error: " << text << '\n'; }

bool ScriptRunner::run(std::istream& in) {
    std::string line;
    // Once the output cannot be written there is no point going on.
    while (!window_.mainClosed() && out_.good()) {
        const LineRead read = readLine(in, line);
        if (read == LineRead::End) break;
        if (read == LineRead::TooLong) {
            error("line longer than " + std::to_string(kMaxLineLength) + " bytes");
            out_.flush();
            continue;
        }
        if (!runLine(line)) break;
    }
    out_.flush();
    return !in.bad();
}

bool ScriptRunner::runLine(std::string_view raw) {
    if (window_.mainClosed()) return false;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') return true;

    std::string_view rest;
    const std::string_view command = firstWord(line, rest);
    if (command == "clock") {
        long seconds = 0;
        if (toLong(rest, seconds)) {
            clock_.set(seconds);
        } else {
            error("clock needs a number of seconds");
        }
    } else if (command == "click") {
        click(trim(rest));
    } else if (command == "select") {
        std::string_view index;
        const std::string_view name = firstWord(trim(rest), index);
        select(name, index);
    } else if (command == "type") {
        // The text is the rest of the line after the name, and may be empty.
        std::string_view text;
        const std::string_view name = firstWord(rest, text);
        type(name, text);
    } else if (command == "page") {
        page(rest);
    } else if (command == "answer") {
        const std::string_view answer = trim(rest);
        if (answer == "yes" || answer == "no") {
            window_.queueAnswer(answer == "yes");
        } else {
            error("answer yes or answer no");
        }
    } else if (command == "tick") {
        long count = 1;
        if (!trim(rest).empty() && (!toLong(rest, count) || count < 0)) {
            error("tick needs a count of ticks");
        } else {
            tick(count);
        }
    } else if (command == "play") {
        tick(1000);
    } else if (command == "dump") {
        dump(trim(rest));
    } else {
        error("unknown command " + shown(command));
    }
    out_.flush();
    return !window_.mainClosed();
}

void ScriptRunner::click(std::string_view name) {
    const ControlState* c = window_.control(name);
    if (!c) return error("no control named " + shown(name));
    if (!window_.usable(name)) return error(shown(name) + " cannot be clicked now");
    if (c->desc->kind == ControlKind::RadioButton) window_.setChecked(name, true);
    if (const Binding* b = findBinding(name, Signal::Click)) b->handler(*game_, 0, {});
}

void ScriptRunner::select(std::string_view name, std::string_view indexText) {
    const ControlState* c = window_.control(name);
    if (!c || c->desc->kind != ControlKind::RadioGroup) return error("no radio group named " + shown(name));
    long index = 0;
    if (!toLong(indexText, index) || index < 0 || index >= static_cast<long>(c->desc->items.size())) {
        return error("select " + shown(name) + " needs an item index 0.." +
                     std::to_string(c->desc->items.size() - 1));
    }
    if (!window_.usable(name)) return error(shown(name) + " cannot be clicked now");
    window_.setItemIndex(name, static_cast<int>(index));
    if (const Binding* b = findBinding(name, Signal::Select)) b->handler(*game_, static_cast<int>(index), {});
}

void ScriptRunner::type(std::string_view name, std::string_view text) {
    const ControlState* c = window_.control(name);
    if (!c || c->desc->kind != ControlKind::Edit) return error("no edit field named " + shown(name));
    if (!window_.usable(name)) return error(shown(name) + " cannot be clicked now");
    const size_t limit = c->desc->maxLength > 0 ? static_cast<size_t>(c->desc->maxLength) : text.size() + 1;
    const std::string typed = limitCharacters(text, limit);
    window_.setText(name, typed);
    if (const Binding* b = findBinding(name, Signal::Change)) b->handler(*game_, 0, typed);
}

void ScriptRunner::page(std::string_view indexText) {
    long index = 0;
    const auto pages = window_.pages("PageControl1");
    if (!toLong(indexText, index) || index < 0 || index >= static_cast<long>(pages.size())) {
        return error("page needs a page number 0.." + std::to_string(pages.size() - 1));
    }
    if (window_.selectPage("PageControl1", static_cast<int>(index))) {
        if (const Binding* b = findBinding("PageControl1", Signal::PageChange)) {
            b->handler(*game_, static_cast<int>(index), {});
        }
    }
}

void ScriptRunner::tick(long count) {
    const Binding* b = findBinding("Timer1", Signal::Tick);
    for (long i = 0; i < count && b && !window_.mainClosed() && window_.timerEnabled("Timer1"); ++i) {
        b->handler(*game_, 0, {});
    }
}

void ScriptRunner::dump(std::string_view what) {
    if (what == "state") return print("state " + stateToJson(game_->state()).dump());
    if (what == "view") return print("view " + viewToJson(window_).dump());
    if (what == "book") return print("book " + bookToJson(game_->book().pages()).dump());
    if (!window_.control(what)) return error("no control named " + shown(what));
    print("text " + std::string(what) + " " + Json(window_.text(what)).dump());
}

}  // namespace splat::script
