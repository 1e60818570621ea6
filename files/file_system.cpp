#include "files/file_system.h"

namespace pp {

bool MoveAside(FileSystem& files, const std::string& path, const std::string& copy) {
    return files.CopyReplacing(path, copy) && files.MakeDurable(copy) && files.Delete(path);
}

}  // namespace pp
