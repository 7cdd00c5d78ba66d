// Thousands of random and mutated texts through the reader and the record
// loader: nothing may crash, and the only failure is an Exception.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/core/exception.h"
#include "model/storage/object_file.h"
#include "model/storage/text_storage.h"
#include "model/storage/tree_file.h"
#include "sample_records.h"
#include "scratch_dir.h"

namespace {

const char kSample[] =
    "Root\r\n{\r\n"
    "    Title \"case \\\"one\\\"\"\r\n"
    "    First\r\n    {\r\n"
    "        Name \"first\"\r\n        IsOpen \"true\"\r\n        Count \"3\"\r\n"
    "        Next_Item\r\n        {\r\n            SampleNote\r\n            {\r\n"
    "                Name \"note\"\r\n                Next_Item\r\n                {\r\n"
    "                    SampleItem\r\n                    {\r\n                        Name "
    "\"last\"\r\n"
    "                        Next_Item\r\n                        {\r\n                        "
    "}\r\n"
    "                    }\r\n                }\r\n"
    "                Text \""
    "0123456789012345678901234567890123456789012345678901234567890123\" \\\r\n"
    "                    \"tail\\t\\007\"\r\n"
    "                Weight \"2.500000\"\r\n"
    "                Entries\r\n                {\r\n"
    "                    Item\r\n                    {\r\n                        Kind \"1\"\r\n"
    "                        Entry_Text \"e\"\r\n                    }\r\n                }\r\n"
    "                Id\r\n                {\r\n"
    "                    hex \"00112233445566778899AABBCCDDEEFF\"\r\n                }\r\n"
    "            }\r\n        }\r\n    }\r\n"
    "    Tags\r\n    {\r\n        Item \"a\"\r\n    }\r\n"
    "}\r\n";

// Pieces that tend to reach the interesting places of the grammar.
const char* const kFragments[] = {
    "{",
    "}",
    "\"",
    "\\",
    "\\\n",
    "#",
    "\n",
    "\r\n",
    " ",
    "\t",
    "Item",
    "hex",
    "CodePage_ \"1251\"",
    "CodePage_ \"65001\"",
    "CodePage_ \"77777\"",
    "Next_Item { SampleItem {",
    "Next_Item { SampleEntry {",
    "Next_Item { Unknown {",
    "\"\\999\"",
    "\"\\",
    "12",
    "-3.5",
    ":",
    ";",
    "\xFF",
    "\x98",
    "\0",
};

class Fuzzer {
public:
    explicit Fuzzer(unsigned seed) : m_random(seed) {}

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }

    std::string RandomText() {
        std::string text;
        const std::size_t pieces = Below(40);
        for (std::size_t i = 0; i < pieces; ++i) {
            if (Below(3) == 0) {
                text += static_cast<char>(Below(256));
            } else {
                const std::string fragment = kFragments[Below(std::size(kFragments))];
                text += fragment.empty() ? std::string(1, '\0') : fragment;
            }
        }
        return text;
    }

    std::string Mutate(std::string text) {
        const std::size_t edits = 1 + Below(6);
        for (std::size_t e = 0; e < edits && !text.empty(); ++e) {
            const std::size_t at = Below(text.size());
            switch (Below(5)) {
                case 0:
                    text[at] = static_cast<char>(Below(256));
                    break;
                case 1:
                    text.erase(at, Below(20));
                    break;
                case 2:
                    text.insert(at, kFragments[Below(std::size(kFragments))]);
                    break;
                case 3:
                    text.insert(at, text.substr(Below(text.size()), Below(80)));
                    break;
                default:
                    text.resize(at);
                    break;
            }
        }
        return text;
    }

private:
    std::mt19937 m_random;
};

// Parses and loads `text`; only Exception may come out.
void Feed(const std::string& text) {
    try {
        TextStorage::TextNode root;
        ParseTree(text, root, nullptr);
    } catch (const Exception&) {
    }
    try {
        SampleCase record;
        int codePage = 0;
        LoadObjectFromText(nullptr, &codePage, text, record);
    } catch (const Exception&) {
    }
}

TEST(ReaderFuzz, SampleIsValid) {
    SampleCase record;
    LoadObjectFromText(nullptr, nullptr, kSample, record);
    ASSERT_NE(record.m_first.m_next, nullptr);
    EXPECT_STREQ(record.m_first.m_next->GetTypeName(), "SampleNote");
}

TEST(ReaderFuzz, RandomTextsFailOnlyWithException) {
    Fuzzer fuzzer(20240611);
    for (int i = 0; i < 3000; ++i) Feed(fuzzer.RandomText());
}

TEST(ReaderFuzz, MutatedFilesFailOnlyWithException) {
    Fuzzer fuzzer(77);
    for (int i = 0; i < 4000; ++i) Feed(fuzzer.Mutate(kSample));
}

TEST(ReaderFuzz, MutatedFilesOnDiskGiveZeroOrMinusOne) {
    Fuzzer fuzzer(5);
    ScratchDir dir;
    const std::string path = dir.File("case.hom");
    for (int i = 0; i < 300; ++i) {
        dir.Write("case.hom", fuzzer.Mutate(kSample));
        SampleCase record;
        const int result = LoadObject(nullptr, nullptr, path, record);
        EXPECT_TRUE(result == 0 || result == -1);
    }
}

}  // namespace
