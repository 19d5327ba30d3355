#include "core/account.h"

#include <string>

#include "core/saturating.h"

namespace splat {

bool Account::pay(int64_t price) {
    if (!covers(price)) return false;
    change(-price);
    return true;
}

void Account::open(int32_t balance) {
    s_.cash = balance;
    show();
}

void Account::show() { win_.setText("lblcash", std::to_string(s_.cash)); }

void Account::tell(const std::string& what) { win_.announce(what + ", cash $" + std::to_string(s_.cash)); }

void Account::change(int64_t delta) {
    addSaturating(s_.cash, delta);
    show();
}

}  // namespace splat
