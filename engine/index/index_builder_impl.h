// Collects the words of a data file being compiled and writes its .idx file.
// The facade holds one, shared by the repertory and materia medica compilers.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "corvela/index.h"

class IndexBuilderImpl final : public IndexBuilder {
public:
    void Begin() override;
    void Finish() override;
    void Clear() override;
    // Writes the index atomically; false when a word exceeds the format
    // (Check) or the file cannot be written, and then nothing is written.
    bool Save(const char* path) override;
    // Lower-cases the whole word with the code page 1251 table and appends
    // item to its postings (repeats included).  Words are kept whole, so Check
    // can refuse one that is too long instead of cutting it.
    void AddWord(const char* word, std::int32_t item) override;
    const char* GetSaveError() override { return m_error.c_str(); }
    // True when every word fits: at most 2,047 bytes and 32,767 postings, and
    // the whole file below 2 GiB (its offsets are signed 32-bit).
    bool Check() override;

    // The bytes Save would write; false (after setting the error) when Check
    // fails.  The repertory and materia medica compilers use this to write
    // their data file and its index together.
    bool Serialize(std::vector<std::uint8_t>* out);

    std::size_t WordCount() const { return m_words.size(); }

private:
    std::map<std::string, std::vector<std::int32_t>> m_words;  // ascending byte order
    std::string m_error;
};
