#include "tests/wine/support/program_windows.h"

#include <functional>

namespace pp::test {
namespace {

constexpr DWORD kPollMs = 50;

void ForEachChild(HWND parent, const std::function<void(HWND)>& visit) {
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            (*reinterpret_cast<const std::function<void(HWND)>*>(data))(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visit));
}

}  // namespace

// WM_GETTEXT rather than GetWindowText, which does not ask a window of another process and so
// misses what an edit control holds.
std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::vector<HWND> TopWindowsOf(uint32_t processId, const std::wstring& className) {
    struct Search {
        uint32_t processId;
        const std::wstring* className;
        std::vector<HWND> found;
    } search{processId, &className, {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && ::IsWindowVisible(window) && ClassOf(window) == *s.className)
                s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(uint32_t processId,
                      const std::wstring& className,
                      const std::wstring& title,
                      uint32_t milliseconds) {
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    for (;;) {
        for (HWND window : TopWindowsOf(processId, className))
            if (title.empty() || WindowText(window) == title) {
                // Shown is not yet ready: input given while the window still draws itself can go
                // astray under Wine. Its thread answers once it takes messages again.
                const ULONGLONG now = ::GetTickCount64();
                ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                      static_cast<UINT>(now < deadline ? deadline - now : 0), nullptr);
                return window;
            }
        if (::GetTickCount64() >= deadline)
            return nullptr;
        ::Sleep(kPollMs);
    }
}

std::wstring MessageBoxText(HWND box) {
    std::wstring message;
    ForEachChild(box, [&](HWND child) {
        if (ClassOf(child) == L"Static" && message.empty())
            message = WindowText(child);
    });
    return message;
}

std::vector<std::wstring> ButtonCaptions(HWND dialog) {
    std::vector<std::wstring> captions;
    ForEachChild(dialog, [&](HWND child) {
        if (ClassOf(child) == L"Button" && ::IsWindowVisible(child))
            captions.push_back(WindowText(child));
    });
    return captions;
}

void PressOk(HWND box) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
}

// CB_GETLBTEXT carries its buffer across processes, as the system copies it for the list
// messages of its own controls.
std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0)
            break;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied =
            ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
        items.push_back(item);
    }
    return items;
}

}  // namespace pp::test
