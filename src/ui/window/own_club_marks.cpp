#include "ui/window/own_club_marks.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/game_state.h"
#include "ui/widgets/game_label.h"

namespace splat::ui {
namespace {

// The number after `stem` when `control` is exactly stem + 1..10, else 0.
int numberAfter(std::string_view control, std::string_view stem) {
    if (control.substr(0, stem.size()) != stem) return 0;
    const std::string_view digits = control.substr(stem.size());
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || n < 1 || n > 10) return 0;
    return n;
}

}  // namespace

bool isClubLabel(std::string_view control, const GameState& state, bool& ownClub) {
    if (const int row = std::max(numberAfter(control, "team"), numberAfter(control, "teampoints"))) {
        ownClub = state.tableTeam[static_cast<size_t>(row)] == 1;
        return true;
    }
    if (const int slot = numberAfter(control, "rteam")) {
        const Pairing& p = state.pairings[static_cast<size_t>((slot + 1) / 2)];
        ownClub = (slot % 2 == 1 ? p.first : p.second) == 1;
        return true;
    }
    return false;
}

void markOwnClub(std::string_view control, QWidget* label, const GameState& state) {
    bool own = false;
    if (!isClubLabel(control, state, own)) return;
    if (auto* l = qobject_cast<GameLabel*>(label)) l->setMarked(own);
}

}  // namespace splat::ui
