#include "materia/article_impl.h"

#include "coding/little_endian.h"
#include "materia/materia_format.h"

int ArticleImpl::GetRemedy() {
    return ReadI32(m_record + mmb::kRemedyField);
}

const char* ArticleImpl::GetText() {
    return reinterpret_cast<const char*>(m_record + mmb::kTextStart);
}

const char* ArticleImpl::GetRichText() {
    const auto length = static_cast<std::size_t>(ReadI32(m_record + mmb::kTextLengthField));
    return reinterpret_cast<const char*>(m_record + mmb::kTextStart + length +
                                         mmb::kRichLengthSize);
}
