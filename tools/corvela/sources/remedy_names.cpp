#include "remedy_names.h"

#include <corvela.h>

#include <cstring>

namespace corvela_sources {
namespace {

// Whether name, free of the forbidden bytes, leads back to remedy number.
bool Writable(Corvela& engine, const char* name, int number, const char* forbidden) {
    if (name == nullptr || *name == '\0' || std::strpbrk(name, forbidden) != nullptr) return false;
    Remedy* found = engine.FindRemedy(name);
    return found != nullptr && static_cast<int>(found->GetId()) == number;
}

// The article line trims NAME, so it must not start or end with a blank.
bool WritableInArticleLine(Corvela& engine, const char* name, int number) {
    if (!Writable(engine, name, number, "|\r\n")) return false;
    const std::size_t length = std::strlen(name);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !blank(name[0]) && !blank(name[length - 1]);
}

// The first of the remedy's short and long name that passes the test.
template <typename Test>
bool PickName(Corvela& engine, int number, Test test, std::string* name, std::string* reason) {
    Remedy* remedy =
        number >= 0 && number < engine.GetRemedyCount() ? engine.GetRemedy(number) : nullptr;
    if (remedy == nullptr) {
        *reason = "remedy number " + std::to_string(number) + " is not in the remedy catalogue";
        return false;
    }
    for (const char* candidate : {remedy->GetShortName(), remedy->GetLongName()}) {
        if (test(candidate)) {
            *name = candidate;
            return true;
        }
    }
    *reason = "remedy number " + std::to_string(number) +
              " has no catalogue name that a source can hold and that leads back to it";
    return false;
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
    return PickName(
        engine, number,
        [&](const char* candidate) { return Writable(engine, candidate, number, " \t:\r\n"); },
        name, reason);
}

bool WritableArticleRemedyName(Corvela& engine, int number, std::string* name,
                               std::string* reason) {
    return PickName(
        engine, number,
        [&](const char* candidate) { return WritableInArticleLine(engine, candidate, number); },
        name, reason);
}

}  // namespace corvela_sources
