// Compiling small materia medicas for tests through the facade's builder.
#pragma once

#include <string>
#include <vector>

#include "corvela.h"

namespace corvela_test {

inline constexpr const char* kTestMateriaMedicaId = "4D8EA1C0-5A22-4514-9C79-03EEA3438E66";

struct TestArticle {
    const char* name;  // "" with an empty title: about no remedy
    const char* title;
    const char* text;
    const char* rtf;  // may be null
};

// A description with the given identifier and name, texts "two" to "five".
inline MateriaMedicaDescription MateriaDescription(const char* id, const char* name,
                                                   std::uint32_t flags) {
    return {id, name, "two", "three", "four", "five", flags};
}

// Begin, AddArticle for each, End, Save at path; Save's answer.
inline bool CompileMateriaMedica(const std::string& path,
                                 const MateriaMedicaDescription& description,
                                 const std::vector<TestArticle>& articles) {
    MateriaMedicaBuilder* builder = CorvelaInstance().GetMateriaMedicaBuilder();
    builder->Begin(&description);
    for (const TestArticle& a : articles) builder->AddArticle(a.name, a.title, a.text, a.rtf);
    builder->End();
    return builder->Save(path.c_str());
}

inline std::vector<int> Only(int posting) {
    return {posting};
}

// The postings of word in index; {-2} when the word is not there.
inline std::vector<int> PostingsOf(Index& index, const std::string& word) {
    for (unsigned k = 0; k < index.GetWordCount(); ++k) {
        if (word != index.GetWord(k)) continue;
        std::vector<int> postings;
        for (int j = 0; j < index.GetPostingCount(k); ++j)
            postings.push_back(index.GetPosting(k, j));
        return postings;
    }
    return {-2};
}

}  // namespace corvela_test
