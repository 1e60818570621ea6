#include "config/profile_writer_win32.h"

#include <windows.h>

#include "app/text_win32.h"

namespace pp::win32 {

// The value is always passed, never null: a null value would delete the key instead of writing it.
// A write that fails is dropped: Wine keeps the file's entries in a cache of its own and would
// write them out whenever the file can next be written, even at the program's end, after the exit
// has deleted user.ini. The call with nothing but the file name empties that cache for the file;
// Windows keeps no such cache and takes it as a no-op.
bool WindowsProfileWriter::WriteEntry(const std::string& section,
                                      const std::string& key,
                                      const std::string& value,
                                      const std::string& filePath) {
    const std::wstring file = Widen(filePath);
    if (::WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(), file.c_str()))
        return true;
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr);
    return false;
}

}  // namespace pp::win32
