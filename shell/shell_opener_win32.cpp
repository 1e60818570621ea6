#include "shell/shell_opener_win32.h"

#include <shellapi.h>

#include "win32/text.h"

namespace pp::win32 {

namespace {

// Empty means "none" to the caller; ShellExecuteW wants null for that.
const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

bool WindowsShellOpener::Open(const std::string& file,
                              const std::string& parameters,
                              const std::string& workingFolder) {
    std::wstring wideFile = Widen(file);
    std::wstring wideParameters = Widen(parameters);
    std::wstring wideFolder = Widen(workingFolder);
    HINSTANCE result =
        ::ShellExecuteW(owner_, nullptr, wideFile.c_str(), OrNull(wideParameters), OrNull(wideFolder), SW_SHOWNORMAL);
    // Values up to 32 are error codes, anything above is success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace pp::win32
