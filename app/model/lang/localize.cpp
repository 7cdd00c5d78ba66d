#include "model/lang/localize.h"

#include <dlfcn.h>

#include <cstring>

#include "model/lang/language.h"

namespace {

using LocalizeFunction = const char* (*)(const char*, int);

LocalizeFunction FindExport() {
    void* program = dlopen(nullptr, RTLD_LAZY);
    if (program == nullptr) return nullptr;
    void* symbol = dlsym(program, "LocalizeString");
    LocalizeFunction function = nullptr;
    static_assert(sizeof function == sizeof symbol);
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

LocalizeFunction Export() {
    static const LocalizeFunction function = FindExport();
    return function;
}

// Without the program, texts stay English, but the braces that mark their
// translatable parts must not show: an empty language (every phrase answers
// with itself) removes the markup the way a missing language file does.
const char* English(const char* text, int whole) {
    static CLanguage english;
    return english.LocalizeString(text, whole);
}

}  // namespace

const char* Localize(const char* text, int whole) {
    const LocalizeFunction function = Export();
    if (function == nullptr) return English(text, whole);
    const char* translated = function(text, whole);
    return translated != nullptr ? translated : text;
}

bool ProgramExportsLocalize() {
    return Export() != nullptr;
}
