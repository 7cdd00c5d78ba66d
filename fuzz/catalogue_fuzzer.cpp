// The remedy catalogue text: read, then every remedy's names and attributes,
// and every name looked up again.
#include <cstring>
#include <string>

#include "catalogue/remedy_list_impl.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    RemedyListImpl catalogue;
    catalogue.LoadText(fuzz::AsText(bytes, size));
    // Names are looked up as zero-terminated texts: a name holding a zero
    // byte cannot be asked for.
    const bool lookups = std::memchr(bytes, 0, size) == nullptr;
    std::size_t seen = 0;
    const int count = catalogue.GetRemedyCount();
    for (int number = 0; number < count; ++number) {
        Remedy& remedy = *catalogue.GetRemedy(number);
        fuzz::Require(static_cast<int>(remedy.GetId()) == number, "a remedy's number");
        for (unsigned position = 0; position <= 5; ++position)
            seen += static_cast<std::size_t>(remedy.GetAttribute(position));
        const std::string first = remedy.GetShortName();
        seen += std::strlen(remedy.GetLongName()) + std::strlen(remedy.GetExtraName());
        if (!lookups) continue;
        fuzz::Require(catalogue.FindRemedy(first.c_str()) != nullptr, "a remedy by its name");
        const auto* others = catalogue.SynonymsOf(first);
        fuzz::Require(others != nullptr, "every remedy has its names");
        for (const std::string& name : *others)
            fuzz::Require(catalogue.FindRemedy(name.c_str()) != nullptr, "a remedy by a synonym");
    }
    fuzz::Require(catalogue.GetRemedy(count) == nullptr, "no remedy past the count");
    fuzz::Keep(seen);
    return 0;
}
