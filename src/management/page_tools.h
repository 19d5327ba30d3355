#pragma once
// What every page between matches works with: the game's state and seams,
// the account its purchases go through and the refresh after an action.

#include "core/account.h"
#include "core/game_context.h"
#include "management/page_refresh.h"

namespace splat {

struct PageTools {
    GameContext& ctx;
    Account& account;
    PageRefresh& refresh;
};

}  // namespace splat
