#include "config/profile_writer_win32.h"

#include <windows.h>

#include "app/text_win32.h"

namespace pp::win32 {

// The value is always passed, never null: a null value would delete the key instead of writing it.
bool WindowsProfileWriter::WriteEntry(const std::string& section,
                                      const std::string& key,
                                      const std::string& value,
                                      const std::string& filePath) {
    return ::WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                        Widen(filePath).c_str()) != 0;
}

}  // namespace pp::win32
