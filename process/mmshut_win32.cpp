#include "process/mmshut_win32.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cwchar>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// The listed name is the file name alone; should a system list a path, only its last part is
// the name that the terminator compares.
std::string ExeNameOf(const PROCESSENTRY32W& entry) {
    const size_t length = ::wcsnlen(entry.szExeFile, MAX_PATH);
    std::wstring name(entry.szExeFile, length);
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    return Narrow(name);
}

}  // namespace

std::vector<ProcessEntry> ToolhelpProcessTable::Snapshot() {
    std::vector<ProcessEntry> processes;
    UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry))
        processes.push_back({ExeNameOf(entry), entry.th32ProcessID});
    return processes;
}

bool ToolhelpProcessTable::EndProcess(uint32_t id) {
    UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, id));
    if (!process)
        return false;
    return ::TerminateProcess(process.Get(), 0) != FALSE;
}

}  // namespace pp::win32
