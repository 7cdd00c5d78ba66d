// A word index alone, opened from bytes: every word and every posting.
#include "engine_walk.h"
#include "fuzz_support.h"
#include "index/index_impl.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    IndexImpl index;
    if (!index.OpenMapped(MappedFile::FromBytes({bytes, bytes + size}))) {
        fuzz::Require(index.GetLoadError().IsError(), "a refused index says why");
        return 0;
    }
    fuzz::Keep(fuzz::ReadIndex(index));
    fuzz::Require(index.GetWord(index.GetWordCount()) == nullptr, "no word past the count");
    return 0;
}
