#pragma once

// Owners for COM: the library on a thread for one scope, and an interface pointer released once.
// Only files of the Windows build include this.

#include <windows.h>

#include <objbase.h>

#include <utility>

namespace pp::win32 {

// COM on the calling thread for one scope. Every successful CoInitializeEx, the one that finds COM
// already there included, counts and is undone at the end; a thread already in the other apartment
// keeps it, and COM is usable there all the same.
class ComScope {
  public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_))
            ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};

// A COM interface pointer, released once on every path.
template <typename Interface>
class ComOwner {
  public:
    ComOwner() = default;
    ~ComOwner() { Reset(); }
    ComOwner(const ComOwner&) = delete;
    ComOwner& operator=(const ComOwner&) = delete;
    ComOwner(ComOwner&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}

    // The slot a creating call fills (with IID_PPV_ARGS); anything held before is released first.
    Interface** Put() {
        Reset();
        return &pointer_;
    }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void Reset() {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

  private:
    Interface* pointer_ = nullptr;
};

}  // namespace pp::win32
