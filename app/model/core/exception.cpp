#include "model/core/exception.h"

#include <cstdarg>
#include <cstdio>

Exception::Exception(const char* format, ...) {
    m_message[0] = '\0';
    if (format == nullptr) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(m_message, sizeof m_message, format, args);
    va_end(args);
}
