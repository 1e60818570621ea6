#include "win32/clipboard.h"

#include <algorithm>
#include <cstring>

#include "win32/handles.h"

namespace pp::win32 {

std::wstring ReadClipboardText(HWND owner) {
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen())
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
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !::EmptyClipboard())
        return false;
    if (!::SetClipboardData(CF_UNICODETEXT, memory.Get()))
        return false;
    memory.Release();  // the clipboard owns it now
    return true;
}

}  // namespace pp::win32
