// Opening a repertory file: every field the loader follows is checked against
// the file's size before it is used, so that a truncated or damaged file is
// refused here and later reads stay inside the mapping.

#include <algorithm>
#include <utility>

#include "coding/header_strings.h"
#include "coding/little_endian.h"
#include "index/index_path.h"
#include "repertory/repertory_format.h"
#include "repertory/repertory_impl.h"

bool RepertoryImpl::OpenMapped(MappedFile file, const char* path) {
    MappedFile index;
    index.Open(IndexPathFor(path != nullptr ? path : "").c_str());
    return OpenMapped(std::move(file), std::move(index), path);
}

bool RepertoryImpl::OpenMapped(MappedFile file, MappedFile index, const char* path) {
    Reset();
    m_file = std::move(file);
    if (!m_file.IsOpen()) return Fail(LoadFault::kCannotOpen, 0);
    if (!LoadHeader() || !LoadRemedyTable() || !LoadTree()) return false;
    if (!m_index.OpenMapped(std::move(index))) return Fail(LoadFault::kBadWordIndex, 0);
    m_path = path != nullptr ? path : "";
    return true;
}

bool RepertoryImpl::LoadHeader() {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    if (size < rpb::kHeaderSize) return Fail(LoadFault::kTooShort, size);
    if (ReadU32(data + rpb::kVersionOffset) < rpb::kMinVersion)
        return Fail(LoadFault::kBadVersion, rpb::kVersionOffset);
    m_flags = ReadU32(data + rpb::kFlagsOffset);
    const LoadError strings =
        ReadHeaderStrings(data, size, rpb::kStringOffsetsOffset, m_texts, &m_guid);
    if (strings.IsError()) return Fail(strings.fault, strings.offset);
    return true;
}

bool RepertoryImpl::LoadRemedyTable() {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    const std::uint64_t table = ReadU32(data + rpb::kRemedyTableOffsetOffset);
    if (table + 4 > size) return Fail(LoadFault::kBadRemedyTable, rpb::kRemedyTableOffsetOffset);
    const std::uint64_t count = ReadU32(data + table);
    if (table + 4 + 8 * count > size) return Fail(LoadFault::kBadRemedyTable, table);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t pair = table + 4 + 8 * i;
        const std::uint64_t list = ReadU32(data + pair + 4);
        if (list + 4 > size) return Fail(LoadFault::kBadRemedyList, pair + 4);
        const std::uint64_t entries = ReadU32(data + list);
        if (list + 4 + 4 * entries > size) return Fail(LoadFault::kBadRemedyList, list);
        m_remedyLists[ReadI32(data + pair)] = static_cast<std::size_t>(list);
    }
    return true;
}

bool RepertoryImpl::LoadTree() {
    // A file cannot hold more distinct records than fit in it, and item numbers
    // have 22 bits; a tree whose children share records is refused by this bound.
    m_maxTopics = std::min<std::size_t>(rpb::kMaxRubrics, m_file.Size() / rpb::kMinRecordSize);
    const std::uint64_t root = ReadU32(m_file.Data() + rpb::kRootOffsetOffset);
    return VisitRubric(root, nullptr, 0);
}

bool RepertoryImpl::VisitRubric(std::uint64_t record, TopicImpl* parent, int depth) {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    if (depth > rpb::kMaxDepth) return Fail(LoadFault::kTooDeep, record);
    if (m_topics.size() >= m_maxTopics) return Fail(LoadFault::kTooManyRubrics, record);
    if (record + rpb::kTextStart > size) return Fail(LoadFault::kBadRecord, record);
    const std::uint8_t* p = data + record;

    std::int16_t length = ReadI16(p + rpb::kTextField);
    const std::uint64_t text = record + rpb::kTextStart;
    if (length < 1 || text + length > size || data[text + length - 1] != 0)
        return Fail(LoadFault::kBadText, record + rpb::kTextField);

    const std::uint64_t remedies = text + length;
    if (remedies + 2 > size) return Fail(LoadFault::kBadRemedyEntries, remedies);
    std::int16_t remedyCount = ReadI16(data + remedies);
    if (remedyCount < 0 || remedies + 2 + rpb::kRemedyEntrySize * remedyCount > size)
        return Fail(LoadFault::kBadRemedyEntries, remedies);

    std::int16_t childTable = ReadI16(p + rpb::kChildTableOffsetField);
    const std::uint64_t children = record + static_cast<std::uint64_t>(childTable);
    if (childTable < 0 || children + 2 > size)
        return Fail(LoadFault::kBadChildTable, record + rpb::kChildTableOffsetField);
    std::int16_t childCount = ReadI16(data + children);
    if (childCount < 0 || children + 2 + rpb::kChildOffsetSize * childCount > size)
        return Fail(LoadFault::kBadChildTable, children);

    const auto number = static_cast<std::uint32_t>(m_topics.size());
    const unsigned position = m_position < 0 ? 0u : static_cast<unsigned>(m_position);
    TopicImpl& topic = m_topics.emplace_back(parent, p, MakeItemId(position, number));
    if (parent != nullptr) parent->AddChild(&topic);

    for (std::int16_t i = 0; i < childCount; ++i) {
        const std::uint64_t slot = children + 2 + rpb::kChildOffsetSize * static_cast<unsigned>(i);
        const std::uint64_t offset = ReadU32(data + slot);
        // A child always starts behind its parent's start, so following the
        // offsets can never come back to a record already on the way.
        if (offset == 0 || record + offset + rpb::kTextStart > size)
            return Fail(LoadFault::kBadChildOffset, slot);
        if (!VisitRubric(record + offset, &topic, depth + 1)) return false;
    }
    return true;
}
