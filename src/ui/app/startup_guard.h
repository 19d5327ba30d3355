#pragma once
// Runs the program's start-up and event loop so that an error escaping them
// reaches the player as a message instead of ending the program silently.

#include <QString>
#include <functional>

namespace splat::ui {

// Runs `body` and returns its result. An exception that escapes it is shown
// through `report` (a message box in the game) and gives 1.
int runShowingErrors(const std::function<int()>& body, const std::function<void(const QString&)>& report);

}  // namespace splat::ui
