#pragma once
// The binding table: which handler of the game each control's signal calls.
// The Qt window and the headless driver both dispatch through it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace splat {

class Game;

enum class Signal {
    Click,       // button, clickable label, menu item, radio button
    Select,      // radio group: an item was chosen (argument: its index)
    Change,      // edit field: its text changed (argument: the new text)
    PageChange,  // page control: another page came to the front (argument: its index)
    Tick,        // timer
};

struct Binding {
    std::string control;
    Signal signal;
    std::function<void(Game&, int index, std::string_view text)> handler;
};

const std::vector<Binding>& bindings();

// The binding of `control` for `signal`, or nullptr when it has none.
const Binding* findBinding(std::string_view control, Signal signal);

}  // namespace splat
