#include "repertory_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace corvela_test {

const RepertoryDescription& TestDescription() {
    static const RepertoryDescription description{
        kTestRepertoryId, "REP_TEST", "Test repertory", "text 3", "text 4", "text 5", 0};
    return description;
}

int CompileRepertory(RepertoryBuilder& builder, const RepertoryDescription& description,
                     std::string_view tree, const std::string& path) {
    builder.Begin(&description);
    int open = 0;
    std::istringstream lines{std::string(tree)};
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of('\t') == std::string::npos) continue;
        if (line[0] == '@' || line[0] == '#') continue;  // header or comment lines
        int depth = static_cast<int>(line.find_first_not_of('\t'));
        for (; open > depth; --open) builder.CloseTopic();
        std::string rest = line.substr(static_cast<std::size_t>(depth));
        std::string text = rest.substr(0, rest.find('\t'));
        builder.AddTopic(text.c_str());
        ++open;
        if (rest.find('\t') == std::string::npos) continue;
        std::istringstream entries(rest.substr(rest.find('\t') + 1));
        std::string entry;
        while (entries >> entry) {
            auto colon = entry.rfind(':');
            builder.AddRemedy(entry.substr(0, colon).c_str(),
                              std::atoi(entry.substr(colon + 1).c_str()));
        }
    }
    for (; open > 0; --open) builder.CloseTopic();
    builder.End();
    return builder.Save(path.c_str());
}

int CompileRepertory(std::string_view tree, const std::string& path,
                     const RepertoryDescription& description) {
    return CompileRepertory(*CorvelaInstance().GetRepertoryBuilder(), description, tree, path);
}

std::string FixtureText(const std::string& name) {
    std::ifstream in(std::string(MERIDANE_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace corvela_test
