#pragma once
// The club's money: every change of cash goes through here. Sums are taken in
// 64 bits and held at the 32-bit limits; the header's cash label follows.

#include <cstdint>
#include <string>

#include "core/game_state.h"
#include "core/window.h"

namespace splat {

class Account {
public:
    Account(GameState& state, Window& window) : s_(state), win_(window) {}

    int32_t balance() const { return s_.cash; }
    // A purchase goes through only when the cash covers the whole price.
    bool covers(int64_t price) const { return int64_t{s_.cash} - price >= 0; }
    // Pays `price` when the cash covers it; false, and nothing paid, otherwise.
    bool pay(int64_t price);
    // Money in: prizes, incomes, a sale.
    void earn(int64_t amount) { change(amount); }
    // A bill that is paid whether the cash covers it or not (the week's
    // training): the balance may fall below zero.
    void charge(int64_t amount) { change(-amount); }
    // A new world's opening balance.
    void open(int32_t balance);
    void show();
    // Says to a screen reader what a purchase or sale did, with the cash now.
    void tell(const std::string& what);

private:
    void change(int64_t delta);

    GameState& s_;
    Window& win_;
};

}  // namespace splat
