#pragma once
// Where the game's pictures are found: the places of the game's files
// (an installed game's data folder; in the build tree, beside the program and
// the working directory, each with its assets folder).

#include <QString>

namespace splat::ui {

// The full path of picture `file`, or an empty string when it is nowhere
// (which is said once per file on the standard error).
QString findPicture(const QString& file);

}  // namespace splat::ui
