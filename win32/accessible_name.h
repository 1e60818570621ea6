#pragma once

// A name for screen readers where the system's own accessible object of a control has the wrong
// one. Only files of the Windows build include this.

#include <windows.h>

#include <string>

namespace pp::win32 {

// The answer to WM_GETOBJECT for the client object of `control`: the system's own accessible object
// of it, unchanged but for its name, which is `name`. 0 when the system's object or its library
// is not to be had; the caller then passes the message on. COM must be usable on the calling thread
// for as long as a screen reader may hold the object.
LRESULT AnswerAccessibleObject(HWND control, WPARAM flags, const std::wstring& name);

}  // namespace pp::win32
