#include "model/lang/localize.h"

#include <dlfcn.h>

#include <cstring>

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

}  // namespace

const char* Localize(const char* text, int whole) {
    const LocalizeFunction function = Export();
    if (function == nullptr) return text;
    const char* translated = function(text, whole);
    return translated != nullptr ? translated : text;
}

bool ProgramExportsLocalize() {
    return Export() != nullptr;
}
