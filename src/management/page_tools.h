#pragma once
// What every page between matches works with: the game's state and seams,
// the account its purchases go through, the refresh after an action and the
// season book.

#include "core/account.h"
#include "core/game_context.h"
#include "core/season_book.h"
#include "management/page_refresh.h"

namespace splat {

struct PageTools {
    GameContext& ctx;
    Account& account;
    PageRefresh& refresh;
    SeasonBook& book;
};

}  // namespace splat
