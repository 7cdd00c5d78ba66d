// The program directory of an engine test process.  Linking
// corvela_test_support registers a global environment that, before the first
// test, points MERIDANE_HOME at a fresh temporary directory holding the test
// catalogue (tests/data/remedy_synonyms.txt), MERIDANE_DATA at an empty user
// data folder and XDG_CONFIG_HOME at a configuration folder beside it, and
// removes them at the end.  The facade reads its catalogue from there once;
// tests put data files there and call CloseAll() so that the next call
// discovers them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvela_test {

const std::string& HomeDirectory();
std::string HomePath(const std::string& name);
// Removes every file of the home except the catalogue, and every file of the
// user data and configuration folders.
void RemoveHomeDataFiles();

// The user's data folder ($MERIDANE_DATA) and a file in it.
const std::string& UserFolder();
std::string UserFolderPath(const std::string& name);
// The user's configuration folder for the program ($XDG_CONFIG_HOME/meridane,
// not created beforehand).
std::string ConfigFolder();

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string ReadText(const std::string& path);
// The names in directory, sorted (to see that nothing was left behind).
std::vector<std::string> ListNames(const std::string& directory);

// For tests that put data files into the home: no source is loaded and no
// data file lies there or in the user's folders before and after each test.
class HomeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace corvela_test
