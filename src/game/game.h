#pragma once
// The game: owns the state with the seams (GameContext) and every subsystem,
// each made with the few others it calls; none derives from another. The
// window's controls reach the handlers through the binding table
// (game/bindings.h), which names each subsystem's handler by its control.

#include "core/account.h"
#include "core/game_context.h"
#include "core/season_book.h"
#include "core/sound.h"
#include "core/views.h"
#include "game/new_game.h"
#include "game/options.h"
#include "league/league.h"
#include "management/art_production.h"
#include "management/gear.h"
#include "management/laboratory.h"
#include "management/page_refresh.h"
#include "management/prices.h"
#include "management/scout.h"
#include "management/sponsors.h"
#include "management/tactics.h"
#include "management/training.h"
#include "match/match_engine.h"
#include "match/week.h"

namespace splat {

class Game {
public:
    Game(Window& window, Audio& audio, SettingsStore& settings, Clock& clock);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Team name and seed, settings, sound caption, music, first start.
    void startUp();
    // True once the game has closed its main window (game over, relegation).
    bool closed() const { return ctx_.closed(); }

    const GameState& state() const { return ctx_.state; }
    // For tests, benches and the monkey that set a situation up by writing
    // the state directly; the game itself writes it only through its
    // subsystems.
    GameState& editableState() { return ctx_.state; }
    RandomSource& randomSource() { return ctx_.rng; }

    SeasonBook& book() { return book_; }
    Account& account() { return account_; }
    Sound& sound() { return sound_; }
    Views& views() { return views_; }
    League& league() { return league_; }
    Prices& prices() { return prices_; }
    PageRefresh& refresh() { return refresh_; }
    Training& training() { return training_; }
    Tactics& tactics() { return tactics_; }
    Scout& scout() { return scout_; }
    Gear& gear() { return gear_; }
    Laboratory& laboratory() { return laboratory_; }
    ArtProduction& art() { return art_; }
    Sponsors& sponsors() { return sponsors_; }
    Week& week() { return week_; }
    MatchEngine& match() { return match_; }
    Options& options() { return options_; }
    NewGame& newGame() { return newGame_; }

private:
    GameContext ctx_;
    SeasonBook book_{ctx_.state, ctx_.window};
    Account account_{ctx_.state, ctx_.window, book_};
    Sound sound_{ctx_};
    Views views_{ctx_.state, ctx_.window};
    League league_{ctx_};
    Prices prices_{ctx_};
    Explanations explanations_{ctx_.state, ctx_.window};
    PageRefresh refresh_{league_, prices_, views_, book_, &explanations_};
    PageTools tools_{ctx_, account_, refresh_, book_};
    Training training_{tools_};
    Tactics tactics_{tools_};
    Scout scout_{tools_, training_, tactics_};
    Gear gear_{tools_};
    Laboratory laboratory_{tools_};
    ArtProduction art_{tools_};
    Sponsors sponsors_{tools_};
    Week week_{ctx_, {account_, book_, sound_, league_, refresh_, prices_, tactics_, scout_, sponsors_}};
    MatchEngine match_{ctx_, sound_, book_, week_};
    Options options_{ctx_, refresh_};
    NewGame newGame_{ctx_,
                     {account_, league_, refresh_, prices_, training_, tactics_, scout_, gear_, laboratory_,
                      art_, sponsors_, options_}};
};

}  // namespace splat
