// The program's exception: one formatted message of up to 1,024 characters.
// Persistence raises it (text storage, field layouts, code page conversion); the
// load and save entry points turn it into a result code.
#pragma once

#include <exception>

class Exception : public std::exception {
public:
    static constexpr int kMaxMessage = 1024;

    // printf-style construction; a longer message is cut at kMaxMessage
    // characters.  Pass foreign text as an argument ("%s"), never as the format.
    explicit Exception(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // The message; valid as long as the exception object.
    const char* GetMessage() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_message; }

private:
    char m_message[kMaxMessage + 1];
};
