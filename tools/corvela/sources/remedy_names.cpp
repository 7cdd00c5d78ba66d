#include "remedy_names.h"

#include <corvela.h>

#include <cstring>

namespace corvela_sources {
namespace {

bool Writable(Corvela& engine, const char* name, int number) {
    if (name == nullptr || *name == '\0' || std::strpbrk(name, " \t:\r\n") != nullptr) return false;
    Remedy* found = engine.FindRemedy(name);
    return found != nullptr && static_cast<int>(found->GetId()) == number;
}

}  // namespace

const char* SourceRemedyName(Corvela& engine, const std::string& name, std::string* scratch) {
    if (name.size() < 2 || name.back() != '.' || engine.FindRemedy(name.c_str()) != nullptr)
        return name.c_str();
    scratch->assign(name, 0, name.size() - 1);
    if (engine.FindRemedy(scratch->c_str()) != nullptr) return scratch->c_str();
    return name.c_str();
}

bool WritableRemedyName(Corvela& engine, int number, std::string* name, std::string* reason) {
    Remedy* remedy =
        number >= 0 && number < engine.GetRemedyCount() ? engine.GetRemedy(number) : nullptr;
    if (remedy == nullptr) {
        *reason = "remedy number " + std::to_string(number) + " is not in the remedy catalogue";
        return false;
    }
    for (const char* candidate : {remedy->GetShortName(), remedy->GetLongName()}) {
        if (Writable(engine, candidate, number)) {
            *name = candidate;
            return true;
        }
    }
    *reason = "remedy number " + std::to_string(number) +
              " has no catalogue name that a source can hold and that leads back to it";
    return false;
}

}  // namespace corvela_sources
