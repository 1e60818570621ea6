#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pp {

struct ProcessEntry {
    std::string exeName;  // the executable's file name without folder
    uint32_t id = 0;
};

// The system's process table and the forced end of one process.
class ProcessTable {
  public:
    virtual ~ProcessTable() = default;
    // Every running process in the order the system lists them; empty when no snapshot can be taken.
    virtual std::vector<ProcessEntry> Snapshot() = 0;
    // Ends the process with exit code 0. False when it could not be opened or ended.
    virtual bool EndProcess(uint32_t id) = 0;
};

}  // namespace pp
