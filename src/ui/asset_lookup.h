#pragma once
// Where the game's pictures are found: beside the program (or in an assets
// folder there), then in the installed data folder, then in the working
// directory.

#include <QString>

namespace splat::ui {

// The full path of picture `file`, or an empty string when it is nowhere.
QString findPicture(const QString& file);

}  // namespace splat::ui
