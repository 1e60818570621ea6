#include "config/required_files.h"

#include <array>

#include "model/form1.h"

namespace pp {
namespace {

constexpr std::array<const char*, 5> kRequiredFiles = {
    "KWTR\\teams.ini", "KWTR\\stads.ini", "data\\fifa.fat", "fifa09.exe", "data\\cmn\\fifa.db",
};

}  // namespace

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
