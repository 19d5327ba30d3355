#pragma once
// The season book: the game tells it what happened, when it happens (every
// change of cash with its kind, the week's games, training, the play-by-play,
// the season's end), and it keeps the history of the game in plain records
// (core/book_records.h). It reads the state and writes none of it, draws
// nothing from the random source; what it writes is its own: the cash
// warning beside the cash and the book's window while that is open. A new
// world's opening balance starts it again.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/book_records.h"
#include "core/game_state.h"
#include "core/window.h"

namespace splat {

class SeasonBook {
public:
    SeasonBook(const GameState& state, Window& window) : s_(state), win_(window) {}

    // The new world's opening balance: the book starts again.
    void opened();
    // The cash changed by `amount` (already applied) for `kind`.
    void cashChanged(CashKind kind, int64_t amount);

    // The match: kick-off, each line of play-by-play with the score so far,
    // and its end (before the boosts are cleared).
    void matchStarted();
    void playLine(std::string_view text);
    void matchEnded();
    // One of the week's five games: scores or duel tallies.
    void gamePlayed(int32_t home, int32_t away, int32_t homeScore, int32_t awayScore);
    // Around the week's training of the squad.
    void trainingStarts();
    void trainingDone();
    // The final table, before it is emptied for the next season.
    void seasonEnded();
    // The week's accounts are done (or the game is over).
    void weekSettled();

    // Works out what the next settlement is sure to cost and to bring, and
    // shows or takes away the warning beside the cash (announced once).
    void checkForecast();
    Forecast forecast() const;

    // Ctrl+B: the book's window.
    void open();
    // The records, with the league as it stands now.
    const BookPages& pages();

private:
    std::vector<TableRow> table() const;
    std::vector<SquadLine> squad(int32_t team) const;
    int32_t leagueStrength() const;
    void changed();

    struct Record {
        int32_t games = 0;
        int32_t wins = 0;
        int32_t ties = 0;
        int32_t losses = 0;
    };

    const GameState& s_;
    Window& win_;
    BookPages pages_;
    std::array<Record, kTeams + 1> season_{};  // this season's games per team
    std::vector<GameResult> weekResults_;
    std::array<int32_t, kPlayers + 1> shootingBefore_{};
    std::array<int32_t, kPlayers + 1> tacticsBefore_{};
    std::vector<SquadLine> squadWeek_;
    bool inMatch_ = false;
    bool warningShown_ = false;
    std::string warningText_;
};

}  // namespace splat
