#pragma once
// The game's message boxes: a dialog frame with a close box but no minimize
// or maximize button, and wide enough for their whole title.

class QMessageBox;

namespace splat::ui {

void styleMessageBox(QMessageBox& box);

// The least width that shows the whole title of `box`.
int messageBoxWidthFor(const QMessageBox& box);

}  // namespace splat::ui
