#pragma once
// Where the game's pictures are found: the places of the game's files
// (beside the program, the installed data folder, the working directory, each
// with its assets folder).

#include <QString>

namespace splat::ui {

// The full path of picture `file`, or an empty string when it is nowhere.
QString findPicture(const QString& file);

}  // namespace splat::ui
