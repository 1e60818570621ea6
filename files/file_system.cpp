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

bool ReplaceWithNewFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    const std::optional<std::string> fresh = FreeName(files, path + ".new");
    if (!fresh || !files.WriteNew(*fresh, bytes))
        return false;
    if (files.MakeDurable(*fresh) && files.MoveReplacing(*fresh, path))
        return true;
    files.Delete(*fresh);
    return false;
}

}  // namespace pp
