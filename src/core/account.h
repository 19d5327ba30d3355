#pragma once
// The club's money: every change of cash goes through here, with what it was
// for, and the season book is told of it. Sums are taken in 64 bits and held
// at the 32-bit limits; the header's cash label follows.

#include <cstdint>
#include <string>

#include "core/book_records.h"
#include "core/game_state.h"
#include "core/season_book.h"
#include "core/window.h"

namespace splat {

class Account {
public:
    Account(GameState& state, Window& window, SeasonBook& book) : s_(state), win_(window), book_(book) {}

    int32_t balance() const { return s_.cash; }
    // A purchase goes through only when the cash covers the whole price.
    bool covers(int64_t price) const { return int64_t{s_.cash} - price >= 0; }
    // Pays `price` when the cash covers it; false, and nothing paid, otherwise.
    bool pay(int64_t price, CashKind kind);
    // Money in: prizes, incomes, a sale.
    void earn(int64_t amount, CashKind kind) { change(amount, kind); }
    // A bill that is paid whether the cash covers it or not (the week's
    // training): the balance may fall below zero.
    void charge(int64_t amount, CashKind kind) { change(-amount, kind); }
    // A new world's opening balance (the book starts again).
    void open(int32_t balance);
    void show();
    // Says to a screen reader what a purchase or sale did, with the cash now.
    void tell(const std::string& what);

private:
    void change(int64_t delta, CashKind kind);

    GameState& s_;
    Window& win_;
    SeasonBook& book_;
};

}  // namespace splat
