// The command line both tools read, on its own.
#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    parsed.ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &RulesOf,
                                 &parsed.line, &parsed.error);
    return parsed;
}

TEST(CommandLine, OptionsStandAnywhereAfterTheCommandInTheirOrder) {
    const Parsed p = Parse({"--home=/h", "search", "--scope", "rep", "head", "--rtf",
                            "--scope=mm", "-h", "--", "--pain"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.line.home, "/h");
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

}  // namespace
}  // namespace tool_support
