#include "files/file_system.h"

namespace pp {

bool MoveAside(FileSystem& files, const std::string& path, const std::string& copy) {
    return files.CopyReplacing(path, copy) && files.MakeDurable(copy) && files.Delete(path);
}

std::optional<std::string> FreeName(FileSystem& files, const std::string& base) {
    if (!files.Exists(base))
        return base;
    for (int n = 2; n <= 100; ++n)
        if (std::string name = base + "-" + std::to_string(n); !files.Exists(name))
            return name;
    return std::nullopt;
}

}  // namespace pp
