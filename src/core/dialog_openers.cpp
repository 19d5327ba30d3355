#include "core/views.h"

namespace splat {

// The trophy room shows the counts the last season end or new game wrote.
void Views::Button1Click() { win_.showDialog("TForm4"); }

void Views::About1Click() { win_.showDialog("TAbout"); }

}  // namespace splat
