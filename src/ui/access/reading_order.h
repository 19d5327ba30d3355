#pragma once
// The Tab chain of a window in the order a player reads it: the controls of
// each container top to bottom and, within a row, left to right, and the
// whole contents of a container before whatever follows it.

class QWidget;

namespace splat::ui {

// Links every control under `root` that can take focus, in reading order.
// The tabs of page controls take part even while they are not a Tab stop.
void orderTabChainByReading(QWidget* root);

}  // namespace splat::ui
