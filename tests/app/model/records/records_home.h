// The program directory of a records test process.  Linking
// records_test_support registers a global environment that, before the first
// test, points MERIDANE_HOME at a fresh temporary folder holding the test
// remedy catalogue (tests/data/remedy_synonyms.txt), sets TZ=UTC and a fixed
// clock for new items, and removes the folder at the end.  Fixture
// repertories are compiled at test time through the engine's public builder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>

class CAnalysis;
class CCase;

namespace records_test {

// The time every new item takes, and its text.
inline constexpr std::time_t kFixedTime = 1704164640;  // 2024-01-02 03:04:00 UTC
inline constexpr const char* kFixedTimeText = "January 02, 2024 03:04";

const std::string& Home();
std::string HomePath(const std::string& name);
// Removes every file of the home except the catalogue.
void RemoveHomeFiles();
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// Fixture repertories: an indented tree (one rubric per line, TABs give the
// depth, then optionally a TAB and "name:grade" entries).
struct FixtureRepertory {
    const char* fileName;  // in the home, e.g. "m_alpha.rpb"
    const char* id;        // the identifier text
    const char* name;      // GetName
    const char* tree;
};
// REP_ALPHA: Mind (Anxiety, night, "midnight, after:", Fear), Head (Pain, a
// "REP_section" node, throbbing), an "Empty chapter" without remedies.
const FixtureRepertory& Alpha();
// REP_BETA: "Stomach;" (Nausea, Vomiting).
const FixtureRepertory& Beta();
// REP_FIRST: Extremities (Cramps, Coldness, Numbness); its file name sorts first.
const FixtureRepertory& First();

// Compiles `repertory` into the home; false (with a test failure) when the
// builder refuses.  The engine sees it after CloseAll.
bool Install(const FixtureRepertory& repertory);

// The identifier of the rubric reached from the root of the loaded repertory
// named `repertory` through the child texts `path`; 0 when not found.
std::uint32_t RubricId(const char* repertory, std::initializer_list<const char*> path);

// A home with no data file and no practitioner.txt before and after each
// test, and no source loaded.
class HomeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Runs `body` in a child process that has given up root privileges (when it
// had them) and returns its exit code; 4 when the privileges could not be
// dropped, -1 when the child died.
int InUnprivilegedChild(int (*body)(const std::string&), const std::string& argument);

}  // namespace records_test
