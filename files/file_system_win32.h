#pragma once

#include "files/file_system.h"

namespace pp::win32 {

// The real file system, through the wide-character file functions, so that paths outside the
// system code page work.
class WindowsFileSystem : public FileSystem {
  public:
    FileLookup LookUpOrdinaryFile(const std::string& path) override;
    bool CopyReplacing(const std::string& from, const std::string& to) override;
    bool MakeDurable(const std::string& path) override;
    bool Delete(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    bool IsInUse(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    std::string ReadWholeText(const std::string& path) override;
    bool CanCreateAndDeleteIn(const std::string& folder) override;
    std::string VirtualStoreFolder() override;
    std::string ReadBytes(const std::string& path, size_t most) override;
    bool WriteNew(const std::string& path, std::string_view bytes) override;
    std::vector<std::string> FilesIn(const std::string& folder) override;
    bool MakeFolders(const std::string& path) override;

  private:
    unsigned probes_ = 0;
};

}  // namespace pp::win32
