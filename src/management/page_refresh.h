#pragma once
// The refresh after an action: the week's opponent, the prices drawn anew
// (training points, then the boosts, always in that order of draws), the
// marker's sale value and the favourites are worked out by their
// subsystems, then the views show every page, the explanations write what
// each thing does (they draw nothing) and the book looks at next week's money.

#include "core/season_book.h"
#include "core/views.h"
#include "league/league.h"
#include "management/explanations.h"
#include "management/prices.h"

namespace splat {

class PageRefresh {
public:
    PageRefresh(League& league, Prices& prices, Views& views, SeasonBook& book,
                Explanations* explanations = nullptr)
        : league_(league), prices_(prices), views_(views), book_(book), explanations_(explanations) {}

    void refreshViews() {
        views_.show(workOut());
        explain();
        book_.checkForecast();
    }
    // The tooltips again, after an action that changes what they say
    // without a refresh (a search, an upgrade, an application).
    void explain() {
        if (explanations_ != nullptr) explanations_->write();
    }

    // What a refresh works out and draws, without showing it, where the
    // next refresh follows at once and writes every label again (after the
    // new week's pairings): its draws stay, so the game draws as it always
    // has.
    void workOutOnly() { workOut(); }

private:
    Favourites workOut() {
        league_.findOpponent();
        prices_.drawTrainingPointsPrice();
        prices_.drawBoostPrices();
        prices_.valueMarkerSale();
        return league_.weighFavourites();
    }

    League& league_;
    Prices& prices_;
    Views& views_;
    SeasonBook& book_;
    Explanations* explanations_;
};

}  // namespace splat
