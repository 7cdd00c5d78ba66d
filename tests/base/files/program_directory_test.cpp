#include "base/files/program_directory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

namespace base {
namespace {

TEST(ProgramDirectory, FollowsMeridaneHomeElseTheExecutable) {
    const char* saved = std::getenv("MERIDANE_HOME");
    std::string keep = saved != nullptr ? saved : "";
    ::setenv("MERIDANE_HOME", "/opt/meridane/", 1);
    EXPECT_EQ(ProgramDirectory(), "/opt/meridane");
    ::unsetenv("MERIDANE_HOME");
    EXPECT_EQ(ProgramDirectory(),
              std::filesystem::canonical("/proc/self/exe").parent_path().string());
    if (saved != nullptr) ::setenv("MERIDANE_HOME", keep.c_str(), 1);
}

}  // namespace
}  // namespace base
