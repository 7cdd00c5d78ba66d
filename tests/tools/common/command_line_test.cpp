// The command line both tools read, on its own.
#include "command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "saved_environment.h"

namespace tool_support {
namespace {

const std::vector<OptionRule> kSearchOptions = {{"--scope", true}, {"--rtf", false}};

const std::vector<OptionRule>* RulesOf(const std::string& command) {
    static const std::vector<OptionRule> none;
    if (command == "search") return &kSearchOptions;
    if (command == "sources") return &none;
    return nullptr;
}

struct Parsed {
    bool ok = false;
    CommandLine line;
    std::string error;
};

Parsed Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "tool");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    Parsed parsed;
    parsed.ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &RulesOf, &parsed.line,
                                 &parsed.error);
    return parsed;
}

TEST(CommandLine, OptionsStandAnywhereAfterTheCommandInTheirOrder) {
    const Parsed p = Parse({"--home=/h", "search", "--scope", "rep", "head", "--rtf", "--data",
                            "/d", "--scope=mm", "-h", "--", "--pain"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.line.home, "/h");
    EXPECT_EQ(p.line.data, "/d");
    EXPECT_TRUE(p.line.help);
    EXPECT_EQ(p.line.command, "search");
    EXPECT_EQ(p.line.arguments, (std::vector<std::string>{"head", "--pain"}));
    EXPECT_EQ(p.line.options, (std::vector<std::pair<std::string, std::string>>{
                                  {"--scope", "rep"}, {"--rtf", ""}, {"--scope", "mm"}}));
}

TEST(CommandLine, RefusalsSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"search", "x", "--scope"}, "--scope needs a value"},
        {{"search", "--rtf=yes"}, "--rtf takes no value"},
        {{"sources", "--scope=rep"}, "unknown option --scope"},
        {{"--verbose", "sources"}, "unknown option --verbose"},
        {{"sources", "--home"}, "--home needs a directory"},
        {{"sources", "--home", ""}, "--home needs a directory"},
        {{"sources", "--home="}, "--home needs a directory"},
        {{"sources", "--data"}, "--data needs a directory"},
        {{"--data=", "sources"}, "--data needs a directory"},
    };
    for (const Case& c : cases) {
        const Parsed p = Parse(c.args);
        EXPECT_FALSE(p.ok) << c.error;
        EXPECT_EQ(p.error, c.error);
    }
}

TEST(CommandLine, AnUnknownCommandLeavesItsOptionsUnchecked) {
    const Parsed p = Parse({"frobnicate", "--whatever", "x"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.line.command, "frobnicate");
    EXPECT_EQ(p.line.arguments, std::vector<std::string>{"x"});
    EXPECT_TRUE(p.line.options.empty());
    EXPECT_EQ(Parse({"-"}).line.command, "-");  // a lone dash is no option
}

// The folders go to the variables the engine and the program read, made
// absolute; a folder that is none is refused before anything is set.
TEST(CommandLine, FolderOptionsPointTheVariablesAtTheFolders) {
    const SavedEnvironment saved{"MERIDANE_HOME", "MERIDANE_DATA"};
    CommandLine line;
    line.home = "/";
    line.data = "/no/such/folder";
    std::string error;
    EXPECT_FALSE(ApplyFolderOptions(line, &error));
    EXPECT_EQ(error, "no such directory: /no/such/folder");
    line.data = "/.";
    ASSERT_TRUE(ApplyFolderOptions(line, &error)) << error;
    EXPECT_STREQ(std::getenv("MERIDANE_HOME"), "/");
    EXPECT_STREQ(std::getenv("MERIDANE_DATA"), "/");
    EXPECT_TRUE(ApplyFolderOptions(CommandLine{}, &error));  // nothing named, nothing changed
    EXPECT_STREQ(std::getenv("MERIDANE_DATA"), "/");
}

}  // namespace
}  // namespace tool_support
