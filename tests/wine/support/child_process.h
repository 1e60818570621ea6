#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pp::test {

// A program started for a test. Whatever happens in the test, it does not outlive the scope: a
// copy still running at the end is ended (exit code 1) and waited for.
class ChildProcess {
  public:
    // Starts `program` with the arguments and, when given, the working folder, and waits until it
    // is ready for input (a program without a window is taken as ready at once).
    explicit ChildProcess(const std::string& program,
                          const std::string& arguments = {},
                          const std::string& workingFolder = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const;
    uint32_t Id() const;
    bool Running() const;
    // Waits for the end, at most `milliseconds`; the exit code, or nothing while it still runs.
    std::optional<uint32_t> WaitForExit(uint32_t milliseconds);

  private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

}  // namespace pp::test
