#include "core/game_core.h"

namespace splat {

// The trophy room shows the counts the last season end or new game wrote.
void GameCore::Button1Click() { win_.showDialog("TForm4"); }

void GameCore::About1Click() { win_.showDialog("TAbout"); }

}  // namespace splat
