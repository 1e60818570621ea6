#pragma once

namespace pp {

class Form1;

// At the end of the load: every image button keeps its normal picture in NBU, every link label
// takes the link colour.
void SetUpHover(Form1& form);

}  // namespace pp
