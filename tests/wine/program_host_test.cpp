#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/program_host_win32.h"
#include "tests/wine/support/temp_folder.h"

namespace pp {
namespace {

// A lock name of each test's own, so no run of the tool and no other test shares it.
std::wstring TestLockName(const char* test) {
    return L"Local\\PitchPilot.Tests." + std::to_wstring(::GetCurrentProcessId()) + L"." +
           std::wstring(test, test + std::char_traits<char>::length(test));
}

TEST(WindowsProgramHost, ItsFolderIsTheFolderOfTheRunningProgram) {
    win32::WindowsProgramHost host(TestLockName("folder"));
    const std::string folder = host.ProgramFolder();
    EXPECT_EQ(folder, test::ProgramFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
}

TEST(WindowsProgramHost, TheLockTellsASecondCopyUntilTheFirstEnds) {
    const std::wstring name = TestLockName("lock");
    auto first = std::make_unique<win32::WindowsProgramHost>(name);
    EXPECT_FALSE(first->AnotherCopyRunning());
    EXPECT_FALSE(first->AnotherCopyRunning()) << "the copy that holds the lock is no other copy";

    win32::WindowsProgramHost second(name);
    EXPECT_TRUE(second.AnotherCopyRunning());
    EXPECT_TRUE(second.AnotherCopyRunning());

    win32::WindowsProgramHost other(TestLockName("another lock"));
    EXPECT_FALSE(other.AnotherCopyRunning()) << "locks of other names are no copies";

    first.reset();
    win32::WindowsProgramHost third(name);
    EXPECT_FALSE(third.AnotherCopyRunning()) << "the lock goes with the copy that held it";
}

}  // namespace
}  // namespace pp
