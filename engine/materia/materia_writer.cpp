#include "materia/materia_writer.h"

#include <climits>

#include "coding/byte_writer.h"
#include "materia/materia_format.h"

namespace {

std::string Describe(std::size_t number, const CompiledArticle& article) {
    std::string about =
        article.name.empty() ? std::string("no remedy") : "\"" + article.name + "\"";
    return "article " + std::to_string(number) + " (" + about + ")";
}

// "" when the article's texts fit their 32-bit signed lengths.
std::string CheckArticle(std::size_t number, const CompiledArticle& article) {
    constexpr std::size_t kMaxText = static_cast<std::size_t>(INT32_MAX) - 1;
    if (article.text.size() > kMaxText)
        return Describe(number, article) + ": its text is " + std::to_string(article.text.size()) +
               " bytes long; an article text holds at most 2,147,483,646 bytes";
    if (article.rtf.size() > kMaxText)
        return Describe(number, article) + ": its rich text is " +
               std::to_string(article.rtf.size()) +
               " bytes long; an article text holds at most 2,147,483,646 bytes";
    return {};
}

// Writes the six header strings, patching each one's offset; "" on success.
std::string WriteHeaderStrings(ByteWriter& w, const MateriaMedicaDescription& description) {
    const char* strings[mmb::kHeaderStringCount] = {description.id,    description.text1,
                                                    description.text2, description.text3,
                                                    description.text4, description.text5};
    for (int i = 0; i < mmb::kHeaderStringCount; ++i) {
        const std::string text = strings[i] != nullptr ? strings[i] : "";
        const std::string label =
            i == 0 ? "the identifier text" : "header text " + std::to_string(i);
        if (w.Position() > static_cast<std::size_t>(mmb::kMaxInt16))
            return label + " would start at offset " + std::to_string(w.Position()) +
                   "; header texts must start below 32,768";
        if (text.size() + 1 > 0xFFFF)
            return label + " is " + std::to_string(text.size()) +
                   " bytes long; a header text holds at most 65,534 bytes";
        w.PatchU16(mmb::kStringOffsetsOffset + 2 * static_cast<std::size_t>(i),
                   static_cast<std::uint16_t>(w.Position()));
        w.PutCountedString(text);
    }
    return {};
}

void WriteRecord(ByteWriter& w, const CompiledArticle& article) {
    w.PutBytes(mmb::kRecordMark, sizeof mmb::kRecordMark);
    w.PutU32(static_cast<std::uint32_t>(article.remedy));
    w.PutU32(static_cast<std::uint32_t>(article.text.size() + 1));
    w.PutBytes(article.text.data(), article.text.size());
    w.PutU8(0);
    w.PutU32(static_cast<std::uint32_t>(article.rtf.size() + 1));
    w.PutBytes(article.rtf.data(), article.rtf.size());
    w.PutU8(0);
}

}  // namespace

bool WriteMateriaMedicaImage(const MateriaMedicaDescription& description,
                             const std::vector<CompiledArticle>& articles,
                             std::vector<std::uint8_t>* out, std::string* error) {
    out->clear();
    if (articles.size() > mmb::kMaxArticles) {
        *error = "the materia medica has " + std::to_string(articles.size()) +
                 " articles; item numbers reach 4,194,304 at most";
        return false;
    }
    std::uint64_t size = 0;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        std::string problem = CheckArticle(i, articles[i]);
        if (!problem.empty()) {
            *error = problem;
            return false;
        }
        size += 4 + 4 + 4 + articles[i].text.size() + 1 + 4 + articles[i].rtf.size() + 1;
    }
    // Record offsets and the file size are 32-bit: refuse before laying out
    // gigabytes that could not be addressed anyway.
    if (size + 4 * articles.size() + mmb::kHeaderSize + 6 * 0xFFFFull > 0xFFFFFFFFull) {
        *error = "the materia medica file would be about " + std::to_string(size) +
                 " bytes long; its offsets reach 4 GiB at most";
        return false;
    }

    ByteWriter w;
    w.PutBytes(mmb::kMagic, sizeof mmb::kMagic);
    w.PutU32(mmb::kVersion);
    w.PutU32(0);  // file size, patched at the end
    w.PutU32(static_cast<std::uint32_t>(articles.size()));
    w.PutU32(description.flags);
    w.PutU32(0);  // article table offset
    for (int i = 0; i < mmb::kHeaderStringCount; ++i) w.PutU16(0);
    std::string problem = WriteHeaderStrings(w, description);
    if (!problem.empty()) {
        *error = problem;
        return false;
    }

    const std::size_t table = w.Position();
    w.PatchU32(mmb::kArticleTableOffsetOffset, static_cast<std::uint32_t>(table));
    for (std::size_t i = 0; i < articles.size(); ++i) w.PutU32(0);
    for (std::size_t i = 0; i < articles.size(); ++i) {
        w.PatchU32(table + 4 * i, static_cast<std::uint32_t>(w.Position()));
        WriteRecord(w, articles[i]);
    }
    w.PatchU32(mmb::kFileSizeOffset, static_cast<std::uint32_t>(w.Position()));
    *out = w.Release();
    return true;
}
