#include "platform/notes.h"

#include <cstdio>
#include <set>

void PrintNote(const std::string& text) {
    std::fprintf(stderr, "corvela: %s\n", text.c_str());
    std::fflush(stderr);
}

bool PrintNoteOnce(const std::string& topic, const std::string& text) {
    static std::set<std::string> printed;
    if (!printed.insert(topic).second) return false;
    PrintNote(text);
    return true;
}
