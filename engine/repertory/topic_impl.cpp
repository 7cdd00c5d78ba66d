#include "repertory/topic_impl.h"

#include "coding/little_endian.h"
#include "repertory/repertory_format.h"

namespace {

// The remedy count field sits right behind the text.
const std::uint8_t* RemedyCountField(const std::uint8_t* record) {
    return record + rpb::kTextStart + ReadI16(record + rpb::kTextField);
}

}  // namespace

const char* TopicImpl::GetText() {
    return reinterpret_cast<const char*>(m_record + rpb::kTextStart);
}

int TopicImpl::GetRemedyCount() {
    return ReadI16(RemedyCountField(m_record));
}

const std::uint8_t* TopicImpl::Entry(int entry) {
    if (entry < 0 || entry >= GetRemedyCount()) return nullptr;
    return RemedyCountField(m_record) + 2 + rpb::kRemedyEntrySize * static_cast<unsigned>(entry);
}

int TopicImpl::GetRemedy(int entry) {
    const std::uint8_t* p = Entry(entry);
    return p == nullptr ? -1 : static_cast<int>(ReadU32(p));
}

int TopicImpl::GetGrade(int entry) {
    const std::uint8_t* p = Entry(entry);
    return p == nullptr ? -1 : p[4];
}

Topic* TopicImpl::GetChild(int position) {
    if (position < 0 || position >= GetChildCount()) return nullptr;
    return m_children[static_cast<std::size_t>(position)];
}
