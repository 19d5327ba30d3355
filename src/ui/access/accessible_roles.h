#pragma once
// The roles of the game's own widgets under a screen reader: the tabs of a
// page control are page tabs in a page tab list, a clickable name is a button
// that can be pressed, a live text (the play-by-play line, the score) is a
// notification that is announced when it changes.

class QWidget;

namespace splat::ui {

// Installs the roles; safe to call more than once.
void installAccessibleRoles();

// Marks `label` as a live text.
void setLiveText(QWidget* label);

// Tells a screen reader about `widget`'s new text, as a notification shown
// anew (this Qt's bridge has no announcement event of its own).
void announce(QWidget* widget);

}  // namespace splat::ui
