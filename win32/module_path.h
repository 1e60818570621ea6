#pragma once

// Where the running program file is. Only files of the Windows build include this.

#include <string>

namespace pp::win32 {

// The full path of the running program file, however long; empty when the system would not say.
std::wstring ModulePath();

}  // namespace pp::win32
