#pragma once

#include <map>

#include "model/picture.h"

namespace pp {

class Form1;

// The two pictures of one image button.
struct ButtonFaces {
    PictureRef normal;
    PictureRef hover;
};

// Faces by image button index (0, 1, 2, 3, 99).
using ButtonFaceSet = std::map<int, ButtonFaces>;

// Gives the image buttons their pictures: HBU and NBU take the new hover and normal pictures, and
// each FBU takes the new picture of the state it shows now, so a button that is lit stays lit and
// the next reset brings back the new normal picture, never an old one. Before the load NBU is
// empty; the hover set-up then copies the normal pictures into it from FBU. Indexes without a
// button are skipped.
void InstallButtonFaces(Form1& form, const ButtonFaceSet& faces);

}  // namespace pp
