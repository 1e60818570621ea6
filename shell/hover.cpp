#include "shell/hover.h"

#include "app/form1.h"

namespace pp {

void SetUpHover(Form1& form) {
    for (int i : kImageButtonIndexes)
        form.NBU.at(i).SetPicture(form.FBU.at(i).Picture());
    for (Label& link : form.FLB)
        link.SetForeColor(kLinkColor);
}

}  // namespace pp
