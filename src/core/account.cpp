#include "core/account.h"

#include <string>

#include "core/saturating.h"

namespace splat {

bool Account::pay(int64_t price, CashKind kind) {
    if (!covers(price)) return false;
    change(-price, kind);
    return true;
}

void Account::open(int32_t balance) {
    s_.cash = balance;
    show();
    book_.opened();
}

void Account::show() { win_.setText("lblcash", std::to_string(s_.cash)); }

void Account::tell(const std::string& what) { win_.announce(what + ", cash $" + std::to_string(s_.cash)); }

void Account::change(int64_t delta, CashKind kind) {
    const int32_t before = s_.cash;
    addSaturating(s_.cash, delta);
    show();
    book_.cashChanged(kind, int64_t{s_.cash} - before);
}

}  // namespace splat
