// The seeded monkey: plays the game at random through the window's binding
// table and checks after every action what must always hold.
//   splat-monkey [SEED [ACTIONS]]      (defaults: seed 1, 20000 actions)
// Prints the count of actions, games and seasons; on a broken rule it prints
// the rule and the last actions and ends with status 1.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/headless_window.h"
#include "core/recording_audio.h"
#include "core/settings_store.h"
#include "core/text_input.h"
#include "game/bindings.h"
#include "game/game.h"

namespace splat {
namespace {

// One game on a headless window, as the program builds it.
struct World {
    HeadlessWindow window;
    MemorySettingsStore settings;
    RecordingAudio audio{nullptr, {SPLAT_ASSETS_DIR}};
    FixedClock clock;
    Game game{window, audio, settings, clock};
    int pendingAnswers = 0;
};

class Monkey {
public:
    Monkey(uint64_t seed, long actions) : rng_(seed), actions_(actions) {
        for (const Binding& b : bindings()) byKind_[static_cast<int>(b.signal)].push_back(&b);
    }

    int run() {
        newWorld();
        for (long done = 0; done < actions_; ++done) {
            act();
            if (!check()) return report(done + 1, 1);
            if (w_->game.closed()) {
                // A closed game stays closed whatever reaches it; then a new one starts.
                for (int i = 0; i < 3; ++i) act();
                if (!w_->game.closed() || !w_->window.mainClosed()) {
                    fail("a closed game opened again");
                    return report(done + 1, 1);
                }
                newWorld();
            }
        }
        return report(actions_, 0);
    }

private:
    long pick(long n) { return std::uniform_int_distribution<long>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    void newWorld() {
        w_ = std::make_unique<World>();
        w_->window.setListener([this](const WindowEvent& e) {
            if (e.type != WindowEvent::Type::Question) return;
            if (w_->pendingAnswers > 0) --w_->pendingAnswers;
            // "New game" and a change of difficulty start a new game when answered yes.
            if (e.flag && e.text.find("new game") != std::string::npos) ++games_;
        });
        w_->game.startUp();
        ++games_;
        // Some games are played busily, some calmly enough to last seasons.
        static constexpr int kBusy[] = {40, 10, 2};
        busy_ = kBusy[pick(3)];
        remember();
    }

    // The state the checks compare with.
    void remember() {
        const GameState& s = w_->game.state();
        week_ = s.week;
        season_ = s.season;
        cash_ = s.cash;
    }

    void fire(const Binding& b, int index, std::string_view text, const std::string& what) {
        log(what);
        b.handler(w_->game, index, text);
    }

    void act() {
        HeadlessWindow& win = w_->window;
        // Every question gets a random answer.
        if (w_->pendingAnswers == 0) {
            win.queueAnswer(chance(50));
            ++w_->pendingAnswers;
        }
        // Between the match ticks, or before the next match, the monkey does
        // something else `busy_` times in a hundred.
        if (!chance(busy_)) {
            if (win.timerEnabled("Timer1"))
                return fire(*findBinding("Timer1", Signal::Tick), 0, {}, "tick Timer1");
            return fire(*findBinding("Start", Signal::Click), 0, {}, "click Start");
        }
        const long roll = pick(100);
        if (roll < 55) return click();
        if (roll < 70) return select();
        if (roll < 82) return type();
        if (roll < 92) return page();
        if (roll < 96) return fire(*findBinding("MusicTimer", Signal::Tick), 0, {}, "tick MusicTimer");
        // The clock jumps anywhere, backwards too.
        const int64_t seconds = std::uniform_int_distribution<int64_t>(INT64_MIN, INT64_MAX)(rng_) >> pick(64);
        w_->clock.set(seconds);
        log("clock " + std::to_string(seconds));
    }

    // Any control with a click handler, shown or not, enabled or not.
    void click() {
        const auto& all = byKind_[static_cast<int>(Signal::Click)];
        const Binding& b = *all[static_cast<size_t>(pick(static_cast<long>(all.size())))];
        const ControlState* c = w_->window.control(b.control);
        if (c != nullptr && c->desc->kind == ControlKind::RadioButton) w_->window.setChecked(b.control, true);
        fire(b, 0, {}, "click " + b.control);
    }

    // An item of a radio group, now and then one it does not have.
    void select() {
        const auto& all = byKind_[static_cast<int>(Signal::Select)];
        const Binding& b = *all[static_cast<size_t>(pick(static_cast<long>(all.size())))];
        const ControlState* c = w_->window.control(b.control);
        const long items = c != nullptr ? static_cast<long>(c->desc->items.size()) : 1;
        const int index = static_cast<int>(chance(85) ? pick(items) : pick(items + 6) - 3);
        if (index >= 0 && index < items) w_->window.setItemIndex(b.control, index);
        fire(b, index, {}, "select " + b.control + " " + std::to_string(index));
    }

    std::string randomText() {
        static const std::vector<std::string> samples = {
            "",
            "20",
            "70",
            "19",
            "71",
            "45",
            "-5",
            "0",
            "+30",
            " 42 ",
            "2147483648",
            "-2147483649",
            "99999999999999999999",
            "abc",
            "1e3",
            "0x20",
            "Team \xC3\x9Cml\xC3\xA4ut \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAF",
            "\x01\x02\t\n\r\x7f",
            "\xff\xfe\xc3\x28 bad",
            "&&&<b>x</b>"};
        switch (pick(4)) {
            case 0: return samples[static_cast<size_t>(pick(static_cast<long>(samples.size())))];
            case 1: return std::to_string(pick(120) - 10);
            case 2: return std::string(static_cast<size_t>(pick(100000)), static_cast<char>('a' + pick(26)));
            default: {
                std::string s(static_cast<size_t>(pick(40)), ' ');
                for (char& ch : s) ch = static_cast<char>(pick(256));
                return s;
            }
        }
    }

    // Typing into an edit field: the field holds what it can show, and its
    // change handler (if it has one) fires.
    void type() {
        std::vector<const ControlState*> edits;
        for (const ControlState& c : w_->window.controls()) {
            if (c.desc->kind == ControlKind::Edit) edits.push_back(&c);
        }
        const ControlState& c = *edits[static_cast<size_t>(pick(static_cast<long>(edits.size())))];
        const std::string raw = randomText();
        const size_t limit = c.desc->maxLength > 0 ? static_cast<size_t>(c.desc->maxLength) : raw.size() + 1;
        const std::string typed = limitCharacters(raw, limit);
        const std::string name = c.desc->name;
        w_->window.setText(name, typed);
        log("type " + name + " (" + std::to_string(typed.size()) + " bytes)");
        if (const Binding* b = findBinding(name, Signal::Change)) b->handler(w_->game, 0, typed);
    }

    void page() {
        const long pages = static_cast<long>(w_->window.pages("PageControl1").size());
        const int index = static_cast<int>(pick(pages));
        log("page " + std::to_string(index));
        if (w_->window.selectPage("PageControl1", index)) {
            findBinding("PageControl1", Signal::PageChange)->handler(w_->game, index, {});
        }
    }

    // --- the rules ---

    bool fail(const std::string& rule) {
        finding_ = rule;
        return false;
    }

    static bool isPermutation(std::vector<int32_t> v) {
        std::sort(v.begin(), v.end());
        for (size_t i = 0; i < v.size(); ++i) {
            if (v[i] != static_cast<int32_t>(i + 1)) return false;
        }
        return true;
    }

    bool check() {
        const GameState& s = w_->game.state();
        const HeadlessWindow& win = w_->window;
        if (w_->game.closed() != win.mainClosed()) return fail("the game and its window disagree on closing");
        if (w_->game.closed()) return true;

        std::vector<int32_t> paired;
        for (int p = 1; p <= kPairings; ++p) {
            paired.push_back(s.pairings[p].first);
            paired.push_back(s.pairings[p].second);
        }
        if (!isPermutation(paired)) return fail("the pairings are no permutation of the ten teams");
        if (s.yourPairing < 1 || s.yourPairing > kPairings) return fail("yourPairing out of range");
        const Pairing ours = s.pairings[s.yourPairing];
        if (ours.first != 1 && ours.second != 1) return fail("team 1 is not in yourPairing");
        if (s.opponentTeam != (ours.first == 1 ? ours.second : ours.first))
            return fail("opponentTeam disagrees");

        if (!isPermutation({s.tableTeam.begin() + 1, s.tableTeam.end()})) return fail("the table lacks a team");
        const bool settled = s.week != week_ || s.season != season_;
        if (settled && !std::is_sorted(s.tablePoints.begin() + 1, s.tablePoints.end(), std::greater<>())) {
            return fail("the table is not sorted after a settlement");
        }
        if (s.season == season_ + 1) ++seasons_;

        if (s.trainingPoints < 0) return fail("trainingPoints below 0");
        if (s.week < 1 || s.week > s.gamesPerSeason) return fail("week outside 1..gamesPerSeason");
        for (int t = 1; t <= kTeams; ++t) {
            for (int p = 1; p <= kPlayers; ++p) {
                if (s.players[t][p].marker < 0 || s.players[t][p].marker > kMarkers)
                    return fail("a marker out of range");
            }
        }
        if (s.scoutedPlayer.marker < 0 || s.scoutedPlayer.marker > kMarkers)
            return fail("a marker out of range");
        // A wrap shows as a jump of more than 2^31 between two actions.
        if (std::llabs(int64_t{s.cash} - cash_) > int64_t{INT32_MAX}) return fail("cash wrapped");
        if (win.text("lblcash") != std::to_string(s.cash)) return fail("lblcash disagrees with cash");
        if (win.text("weeknumber") != std::to_string(s.week)) return fail("weeknumber disagrees with week");
        if (win.text("lblseason") != std::to_string(s.season)) return fail("lblseason disagrees with season");
        if (!bookAddsUp(settled)) return false;
        remember();
        return true;
    }

    // The season book: its last balance is the cash, and after a settlement
    // the week's lines add up to the week's change of cash and its table is
    // the game's.
    bool bookAddsUp(bool settled) {
        const GameState& s = w_->game.state();
        const BookPages& book = w_->game.book().pages();
        if (book.ledger.empty() || book.ledger.back().balance != s.cash)
            return fail("the book's balance is not the cash");
        if (!settled || book.weeks.empty()) return true;
        const WeekRecord& week = book.weeks.back();
        const int64_t before = book.weeks.size() > 1 ? book.weeks[book.weeks.size() - 2].cash : 0;
        int64_t sum = 0;
        for (const LedgerEntry& e : book.ledger) sum += e.when == week.when ? e.amount : 0;
        if (sum != int64_t{week.cash} - before || week.cash != s.cash)
            return fail("the week's ledger does not add up");
        for (int row = 1; row <= kTeams; ++row) {
            const TableRow& r = week.table[static_cast<size_t>(row - 1)];
            if (r.team != s.tableTeam[row] || r.points != s.tablePoints[row])
                return fail("the book's table is not the game's");
        }
        return true;
    }

    void log(std::string what) {
        if (recent_.size() == 20) recent_.pop_front();
        recent_.push_back(std::move(what));
    }

    int report(long actions, int status) {
        std::cout << actions << " actions, " << games_ << " games, " << seasons_ << " seasons, "
                  << (status == 0 ? 0 : 1) << " findings\n";
        if (status != 0) {
            std::cout << "broken: " << finding_ << "\nlast actions:\n";
            for (const std::string& a : recent_) std::cout << "  " << a << '\n';
        }
        return status;
    }

    std::mt19937_64 rng_;
    long actions_;
    std::vector<const Binding*> byKind_[5];
    std::unique_ptr<World> w_;
    std::deque<std::string> recent_;
    std::string finding_;
    int busy_ = 10;
    long games_ = 0;
    long seasons_ = 0;
    int32_t week_ = 0;
    int32_t season_ = 0;
    int32_t cash_ = 0;
};

}  // namespace
}  // namespace splat

int main(int argc, char** argv) {
    const uint64_t seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
    const long actions = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 20000;
    if (argc > 3 || actions < 0) {
        std::cerr << "usage: splat-monkey [SEED [ACTIONS]]\n";
        return 2;
    }
    std::cout << "seed " << seed << ": ";
    return splat::Monkey(seed, actions).run();
}
