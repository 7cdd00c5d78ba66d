// Opening a materia medica file: the header strings, the article table and
// every article record are checked against the file's size before anything
// is built, so that a truncated or damaged file is refused here and the
// articles' reads stay inside the mapping.

#include <utility>

#include "coding/header_strings.h"
#include "coding/little_endian.h"
#include "index/index_path.h"
#include "materia/materia_format.h"
#include "materia/materia_medica_impl.h"

bool MateriaMedicaImpl::OpenMapped(MappedFile file, const char* path) {
    MappedFile index;
    index.Open(IndexPathFor(path != nullptr ? path : "").c_str());
    return OpenMapped(std::move(file), std::move(index), path);
}

bool MateriaMedicaImpl::OpenMapped(MappedFile file, MappedFile index, const char* path) {
    Reset();
    m_file = std::move(file);
    if (!m_file.IsOpen()) return Fail(LoadFault::kCannotOpen, 0);
    if (!LoadHeader() || !LoadArticles()) return false;
    if (!m_index.OpenMapped(std::move(index))) return Fail(LoadFault::kBadWordIndex, 0);
    m_path = path != nullptr ? path : "";
    return true;
}

bool MateriaMedicaImpl::LoadHeader() {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    if (size < mmb::kHeaderSize) return Fail(LoadFault::kTooShort, size);
    m_flags = ReadU32(data + mmb::kFlagsOffset);
    const LoadError strings =
        ReadHeaderStrings(data, size, mmb::kStringOffsetsOffset, m_texts, &m_guid);
    if (strings.IsError()) return Fail(strings.fault, strings.offset);
    return true;
}

bool MateriaMedicaImpl::CheckRecord(std::uint64_t record) {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    if (record + mmb::kTextStart > size) return Fail(LoadFault::kBadArticleRecord, record);
    const std::int32_t textLength = ReadI32(data + record + mmb::kTextLengthField);
    const std::uint64_t text = record + mmb::kTextStart;
    if (textLength < 1 || text + static_cast<std::uint64_t>(textLength) > size ||
        data[text + static_cast<std::uint64_t>(textLength) - 1] != 0)
        return Fail(LoadFault::kBadArticleText, record + mmb::kTextLengthField);
    const std::uint64_t richField = text + static_cast<std::uint64_t>(textLength);
    if (richField + mmb::kRichLengthSize > size) return Fail(LoadFault::kBadRichText, richField);
    const std::int32_t richLength = ReadI32(data + richField);
    const std::uint64_t rich = richField + mmb::kRichLengthSize;
    if (richLength < 1 || rich + static_cast<std::uint64_t>(richLength) > size ||
        data[rich + static_cast<std::uint64_t>(richLength) - 1] != 0)
        return Fail(LoadFault::kBadRichText, richField);
    return true;
}

bool MateriaMedicaImpl::LoadArticles() {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    const std::uint64_t count = ReadU32(data + mmb::kArticleCountOffset);
    const std::uint64_t table = ReadU32(data + mmb::kArticleTableOffsetOffset);
    if (count > mmb::kMaxArticles)
        return Fail(LoadFault::kBadArticleTable, mmb::kArticleCountOffset);
    if (table + 4 * count > size)
        return Fail(LoadFault::kBadArticleTable, mmb::kArticleTableOffsetOffset);
    for (std::uint64_t i = 0; i < count; ++i)
        if (!CheckRecord(ReadU32(data + table + 4 * i))) return false;

    const unsigned position = m_position < 0 ? 0u : static_cast<unsigned>(m_position);
    m_articles.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint8_t* record = data + ReadU32(data + table + 4 * i);
        m_articles.emplace_back(record, MakeItemId(position, static_cast<std::uint32_t>(i)));
    }
    // Entered in file order: the latest article of a remedy wins.
    for (ArticleImpl& article : m_articles) m_byRemedy[article.GetRemedy()] = &article;
    return true;
}
