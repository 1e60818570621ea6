#pragma once

#include "model/process_table.h"

namespace pp::win32 {

// The process table through a Toolhelp snapshot, and the forced end through OpenProcess and
// TerminateProcess with exit code 0.
class ToolhelpProcessTable : public ProcessTable {
  public:
    std::vector<ProcessEntry> Snapshot() override;
    bool EndProcess(uint32_t id) override;
};

}  // namespace pp::win32
