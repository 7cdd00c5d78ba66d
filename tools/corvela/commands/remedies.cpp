// corvela remedies, corvela remedy NAME
#include <corvela.h>

#include "command.h"
#include "console.h"
#include "remedy_names.h"

namespace corvela_cli {
namespace {

// NUMBER<TAB>SHORT<TAB>LONG<TAB>A0 A1 A2 A3 A4
std::string RemedyLine(Remedy& remedy) {
    std::string line = std::to_string(remedy.GetId()) + "\t" + Utf8(remedy.GetShortName()) + "\t" +
                       Utf8(remedy.GetLongName()) + "\t";
    for (unsigned a = 0; a < 5; ++a) {
        if (a > 0) line += ' ';
        line += std::to_string(remedy.GetAttribute(a));
    }
    return line + "\n";
}

}  // namespace

int RunRemedies(const Arguments&, const Options&) {
    Corvela& engine = CorvelaInstance();
    std::string out;
    for (int number = 0, count = engine.GetRemedyCount(); number < count; ++number)
        if (Remedy* remedy = engine.GetRemedy(number)) out += RemedyLine(*remedy);
    return WriteOut(out) ? kExitOk : kExitFailure;
}

int RunRemedy(const Arguments& arguments, const Options&) {
    Corvela& engine = CorvelaInstance();
    std::string name, scratch;
    Remedy* remedy = nullptr;
    if (ToEngineText(arguments[0], &name))
        remedy = engine.FindRemedy(corvela_sources::SourceRemedyName(engine, name, &scratch));
    if (remedy == nullptr) return Fail("unknown remedy: " + arguments[0]);
    return WriteOut(RemedyLine(*remedy)) ? kExitOk : kExitFailure;
}

}  // namespace corvela_cli
