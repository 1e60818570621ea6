#include "files/file_system.h"

namespace pp {

bool MoveAside(FileSystem& files, const std::string& folder, const std::string& name) {
    const std::string path = folder + name;
    const std::string copy = folder + "bak_" + name;
    return files.CopyReplacing(path, copy) && files.MakeDurable(copy) && files.Delete(path);
}

}  // namespace pp
