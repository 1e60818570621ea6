#include "shell/fade.h"

namespace pp {

void WireFades(Form1&) {}
void StartFade(Form1&, Side) {}

}  // namespace pp
