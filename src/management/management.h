#pragma once
// Team management between matches: the Scout, Training, Gear, Finances and
// Tactics pages and the marker swaps of the Team page.

#include <cstdint>

#include "league/league.h"

namespace splat {

class Management : public League {
public:
    using League::League;

    // Scout page (management/scouting_market.cpp).
    void playersearchClick();
    void replaceClick(int k);      // replace1Click .. replace5Click
    void coachsearchClick();
    void replaceyourcoachClick();
    // Training page (management/training.cpp).
    void buytpClick();
    // Gear page (management/gear_shop.cpp).
    void plaClick(int k);          // pla1Click .. pla5Click
    void buyMarker(int m);         // buy1Click .. buy11Click
    void sellweaponClick();
    void changem12Click();         // both rows of marker-swap buttons
    void changem23Click();
    void changem34Click();
    void changem45Click();
    void changem51Click();
    void buyOrb(int k);            // buya1Click .. buya6Click
    // Finances page: the lab and the chemist (management/laboratory.cpp),
    // art production (management/art_production.cpp), the sponsors
    // (management/sponsors.cpp).
    void labupgradeClick();
    void securityupgradeClick();
    void Button6Click();           // chemist search (dxButton13)
    void buychemistClick();
    void upgradeClick();           // art production (dxButton12)
    void applyClick(int s);        // apply1Click .. apply4Click
    void dumpClick(int s);         // dump1Click .. dump4Click
    // Tactics page (management/tactics.cpp).
    void Button2Click();           // position swap 1-2 (dxButton8)
    void Button3Click();           // 2-3
    void Button4Click();           // 3-4
    void Button5Click();           // 4-5
    void boostClick(int k);        // boost1Click .. boost5Click
    void prClick(int k, int item); // pr1Click .. pr5Click

    // The lab's and the security's levels, prices and yield on the Finances
    // page (management/laboratory.cpp).
    void showLaboratory();
    // Art production's level, income and next price (management/art_production.cpp).
    void showArtProduction();
    // Shop prices (management/shop_prices.cpp): the ones a new world opens
    // with, and the ones every settlement draws for the next week.
    void drawOpeningShopPrices();
    void drawWeeklyShopPrices();

    // --- Shared pieces (management/shared_resets.cpp) ---
    // Pays `price` when the cash covers all of it; false, and nothing paid,
    // otherwise.
    bool pay(int64_t price);
    // A position's boost gone, its "Deal" button back and its notice empty.
    void clearBoost(int slot);
    // The same for every position.
    void clearBoosts();
    // The player, the coach and the replace buttons a search turned up are
    // taken off the Scout page.
    void hideSearchOffers();
    // The Gear page's ">" stands in front of player k alone.
    void showPointer(int k);
    // All four sponsor offers with their application buttons, answers empty.
    void showSponsorOffers();
    // The coach's name and skills on the Training page.
    void showCoach();
    // The weekly rate of each training level for the current coach, drawn
    // shooting 1, tactics 1, shooting 2, ..., and shown.
    void drawTrainingCosts();

protected:
    ~Management() = default;
};

}  // namespace splat
