// A small language file written at test time: code page 1251, a few entries
// of every kind.
#pragma once

#include <string>

// "Note" -> "Заметка" (cp1251), "Analysis" locked, "Gone" with an empty
// translation, "word" -> "slovo", "Add to:" -> "Dobavit v:", "rubrics" ->
// "rubriki", "plumless" -> "P" (same CRC-32 as "buckeroo"), and "braces" ->
// "{word} and \{x\}".  No Author node.
inline std::string RussianLanguageFile() {
    auto item = [](const char* original, const char* translated, int locked) {
        return std::string("        Item\r\n        {\r\n            Original \"") + original +
               "\"\r\n            Translated \"" + translated + "\"\r\n            Locked \"" +
               std::to_string(locked) + "\"\r\n        }\r\n";
    };
    return std::string(
               "Language\r\n{\r\n    CodePage_ \"1251\"\r\n    Charset \"windows-1251\"\r\n"
               "    Language \"russian\"\r\n    Dictionary\r\n    {\r\n") +
           item("Note", "\xC7\xE0\xEC\xE5\xF2\xEA\xE0", 0) + item("Analysis", "Analiz", 1) +
           item("Gone", "", 0) + item("word", "slovo", 0) + item("Add to:", "Dobavit v:", 0) +
           item("rubrics", "rubriki", 0) + item("plumless", "P", 0) +
           item("braces", "{word} and \\\\{x\\\\}", 0) + "    }\r\n}\r\n";
}
