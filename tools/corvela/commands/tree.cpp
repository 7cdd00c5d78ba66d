// corvela tree NAME-OR-GUID [RUBRIC-ID]
#include <corvela.h>

#include <charconv>

#include "command.h"
#include "console.h"
#include "source_lookup.h"

namespace corvela_cli {
namespace {

// ID<TAB>TEXT<TAB>CHILDREN<TAB>REMEDIES
std::string RubricLine(Topic& topic) {
    return std::to_string(topic.GetId()) + "\t" + Utf8(topic.GetText()) + "\t" +
           std::to_string(topic.GetChildCount()) + "\t" + std::to_string(topic.GetRemedyCount()) +
           "\n";
}

}  // namespace

int RunTree(const Arguments& arguments, const Options&) {
    Corvela& engine = CorvelaInstance();
    Repertory* repertory = FindRepertoryOrFail(engine, arguments[0]);
    if (repertory == nullptr) return kExitFailure;
    Topic* topic = repertory->GetRoot();
    if (arguments.size() > 1) {
        const std::string& text = arguments[1];
        std::uint32_t id = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
        if (ec != std::errc() || end != text.data() + text.size())
            return UsageError("RUBRIC-ID must be a decimal number: " + text, FindCommand("tree"));
        if (id > kItemNumberMask &&
            ItemPosition(id) != static_cast<unsigned>(repertory->GetPosition()))
            return Fail("rubric " + text + " belongs to the data source at position " +
                        std::to_string(ItemPosition(id)) + ", not to " + arguments[0]);
        topic = repertory->GetTopic(id);
        if (topic == nullptr) return Fail("no rubric " + text + " in " + arguments[0]);
    }
    if (topic == nullptr) return Fail(arguments[0] + " has no root rubric");
    std::string out = RubricLine(*topic);
    for (int i = 0, n = topic->GetChildCount(); i < n; ++i)
        if (Topic* child = topic->GetChild(i)) out += RubricLine(*child);
    return WriteOut(out) ? kExitOk : kExitFailure;
}

}  // namespace corvela_cli
