#pragma once

// Owners of Windows handles. Each closes its handle exactly once, on every path; none can be
// copied, only moved. Only files of the Windows build include this header.

#include <windows.h>

#include <utility>

namespace pp::win32 {

// A handle closed with `Close`; `Invalid` is the value that means "no handle" for that API.
template <typename Handle, auto Close, auto Invalid>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle(Invalid))) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle_, Handle(Invalid)));
        return *this;
    }

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Handle(Invalid) && handle_ != Handle(0); }
    explicit operator bool() const { return Valid(); }
    Handle Release() { return std::exchange(handle_, Handle(Invalid)); }
    void Reset(Handle handle = Handle(Invalid)) {
        if (Valid())
            Close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = Handle(Invalid);
};

inline const HANDLE kInvalidHandle = INVALID_HANDLE_VALUE;

// Kernel objects that use null for "none": processes, threads, mutexes, events.
using UniqueKernelHandle = UniqueHandle<HANDLE, ::CloseHandle, nullptr>;
// Files and Toolhelp snapshots, which use INVALID_HANDLE_VALUE for "none".
using UniqueFileHandle = UniqueHandle<HANDLE, ::CloseHandle, -1LL>;
using UniqueFindHandle = UniqueHandle<HANDLE, ::FindClose, -1LL>;
using UniqueRegistryKey = UniqueHandle<HKEY, ::RegCloseKey, nullptr>;
using UniqueIcon = UniqueHandle<HICON, ::DestroyIcon, nullptr>;
using UniqueWindow = UniqueHandle<HWND, ::DestroyWindow, nullptr>;
using UniqueAccelerators = UniqueHandle<HACCEL, ::DestroyAcceleratorTable, nullptr>;
using UniqueGlobal = UniqueHandle<HGLOBAL, ::GlobalFree, nullptr>;
using UniqueModule = UniqueHandle<HMODULE, ::FreeLibrary, nullptr>;

template <typename T>
using UniqueGdiObject = UniqueHandle<T, ::DeleteObject, nullptr>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

// A device context released to its window.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// A memory device context, deleted on every path.
class MemoryDc : public UniqueHandle<HDC, ::DeleteDC, nullptr> {
  public:
    explicit MemoryDc(HDC compatibleWith) : UniqueHandle(::CreateCompatibleDC(compatibleWith)) {}
};

// The clipboard, open for one scope.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_)
            ::CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

// A movable global memory block locked for one scope; null data when it could not be locked.
class LockedGlobalMemory {
  public:
    explicit LockedGlobalMemory(HGLOBAL memory) : memory_(memory), data_(memory ? ::GlobalLock(memory) : nullptr) {}
    ~LockedGlobalMemory() {
        if (data_)
            ::GlobalUnlock(memory_);
    }
    LockedGlobalMemory(const LockedGlobalMemory&) = delete;
    LockedGlobalMemory& operator=(const LockedGlobalMemory&) = delete;
    const void* Data() const { return data_; }
    size_t Size() const { return data_ ? ::GlobalSize(memory_) : 0; }

  private:
    HGLOBAL memory_;
    void* data_;
};

// Selects an object into a device context for one scope and puts the old one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (old_)
            ::SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace pp::win32
