#include "config/profile_writer_win32.h"

#include <windows.h>

#include <algorithm>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {

// The conversion the system's ANSI profile functions make, best fit included: what the game would
// have found had the file been written through them. Plain ASCII is the same in every ANSI code
// page, so the directives of the slots cost no conversion.
std::string WindowsProfileWriter::AsStored(std::string_view text) const {
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(text);
    return AnsiToUtf8(Utf8ToAnsi(text));
}

// A file that could not be written whole is removed again rather than left half written.
bool WindowsProfileWriter::WriteNewFile(const std::string& path, const std::string& text) {
    const std::string bytes = Utf8ToAnsi(text);
    UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    if (::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size())
        return true;
    FILE_DISPOSITION_INFO remove{TRUE};
    ::SetFileInformationByHandle(file.Get(), FileDispositionInfo, &remove, sizeof(remove));
    return false;
}

}  // namespace pp::win32
