#pragma once
// Who the game is to the desktop: its name, its icon on every window, and the
// id of its desktop entry, by which a desktop matches the windows to the
// launcher.

#include <QIcon>

#include "splat_install_dirs.h"

class QGuiApplication;

namespace splat::ui {

// The id of the game's desktop entry, metainfo and icon.
inline constexpr const char* kAppId = SPLAT_APP_ID;

// The game's icon, with a picture for each size a window manager asks for.
QIcon gameIcon();

// Names the application and sets its desktop file name to kAppId.
void applyIdentity();

// Gives every window of the application the game's icon (decoding its six
// pictures takes about as long as laying out a page, so the game does it
// once its first frame is up).
void applyIcon(QGuiApplication& app);

}  // namespace splat::ui
