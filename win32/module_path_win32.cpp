#include "win32/module_path.h"

#include <windows.h>

namespace pp::win32 {
namespace {

// The longest path the wide file functions take.
constexpr DWORD kLongestPath = 32768;

}  // namespace

// GetModuleFileNameW cuts the path to the buffer without saying so except by filling it, so the
// buffer grows until the path fits.
std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= kLongestPath)
            return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace pp::win32
