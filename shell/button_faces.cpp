#include "shell/button_faces.h"

#include "model/form1.h"

namespace pp {

void InstallButtonFaces(Form1& form, const ButtonFaceSet& faces) {
    for (const auto& [index, face] : faces) {
        auto button = form.FBU.find(index);
        auto hover = form.HBU.find(index);
        auto normal = form.NBU.find(index);
        if (button == form.FBU.end() || hover == form.HBU.end() || normal == form.NBU.end())
            continue;
        const PictureRef& shown = button->second.Picture();
        const bool lit = shown && shown == hover->second.Picture() && shown != normal->second.Picture();
        hover->second.SetPicture(face.hover);
        if (normal->second.Picture())
            normal->second.SetPicture(face.normal);
        button->second.SetPicture(lit ? face.hover : face.normal);
    }
}

}  // namespace pp
