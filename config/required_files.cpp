#include "config/required_files.h"

#include "config/game_files.h"
#include "model/form1.h"

namespace pp {
void chk(Form1& form) {
    for (const char* relative : kRequiredFiles) {
        switch (form.os.files.LookUpOrdinaryFile(form.GameRoot() + relative)) {
            case FileLookup::Found:
                break;
            case FileLookup::Missing:
                EndWithStopMessage(form, kMissingFilesMessage);
            case FileLookup::Failed:
                return;
        }
    }
}

}  // namespace pp
