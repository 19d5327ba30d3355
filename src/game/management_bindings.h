#pragma once
// The controls of the management pages (Scout, Training, Gear, Finances,
// Tactics and the marker swaps of the Team page) and their handlers.

#include <vector>

#include "game/bindings.h"

namespace splat {

// Appends the binding of every management control to `b`.
void addManagementBindings(std::vector<Binding>& b);

}  // namespace splat
