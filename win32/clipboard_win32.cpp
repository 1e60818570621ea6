#include "win32/clipboard.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "win32/handles.h"

namespace pp::win32 {
namespace {

// The clipboard is one for the whole desktop, and a program that reads or watches it (a clipboard
// manager, a remote desktop, a test) holds it open for a moment at a time; OpenClipboard then fails
// at once rather than wait. So it is tried again for a moment before the read or write gives up.
constexpr int kOpenAttempts = 25;
constexpr DWORD kOpenPauseMs = 20;

void OpenWhenFree(std::optional<OpenedClipboard>& clipboard, HWND owner) {
    for (int attempt = 1;; ++attempt) {
        clipboard.emplace(owner);
        if (clipboard->IsOpen() || attempt == kOpenAttempts)
            return;
        ::Sleep(kOpenPauseMs);
    }
}

}  // namespace

std::wstring ReadClipboardText(HWND owner) {
    std::optional<OpenedClipboard> clipboard;
    OpenWhenFree(clipboard, owner);
    if (!clipboard->IsOpen())
        return {};
    LockedGlobalMemory memory(::GetClipboardData(CF_UNICODETEXT));
    const auto* text = static_cast<const wchar_t*>(memory.Data());
    if (!text)
        return {};
    // The block may be larger than its text, and a foreign one may lack the final null.
    const size_t capacity = memory.Size() / sizeof(wchar_t);
    return std::wstring(text, std::find(text, text + capacity, L'\0'));
}

bool WriteClipboardText(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* target = memory ? ::GlobalLock(memory.Get()) : nullptr;
    if (!target)
        return false;
    std::memcpy(target, text.c_str(), bytes);
    ::GlobalUnlock(memory.Get());
    std::optional<OpenedClipboard> clipboard;
    OpenWhenFree(clipboard, owner);
    if (!clipboard->IsOpen() || !::EmptyClipboard())
        return false;
    if (!::SetClipboardData(CF_UNICODETEXT, memory.Get()))
        return false;
    memory.Release();  // the clipboard owns it now
    return true;
}

}  // namespace pp::win32
