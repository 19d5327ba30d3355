#include "core/game.h"

namespace splat {

// The trophy room shows the counts the last season end or new game wrote.
void Game::Button1Click() { win_.showDialog("TForm4"); }

void Game::About1Click() { win_.showDialog("TAbout"); }

}  // namespace splat
