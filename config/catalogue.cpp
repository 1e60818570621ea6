#include "config/catalogue.h"

namespace pp {

void WireOptionCatalogue(Form1&) {}

}  // namespace pp
