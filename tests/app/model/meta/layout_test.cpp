// Field layouts: what the metaclasses write for each kind of field and what
// they make of a tree again.
#include "model/meta/layout.h"

#include <gtest/gtest.h>

#include <list>

#include "model/core/exception.h"
#include "model/storage/object_file.h"
#include "model/storage/text_storage.h"
#include "sample_records.h"

namespace {

using TextNode = TextStorage::TextNode;

std::string LoadError(const std::string& text, SampleCase& record) {
    try {
        LoadObjectFromText(nullptr, nullptr, text, record);
    } catch (const Exception& e) {
        return e.GetMessage();
    }
    return std::string();
}

// A case of three items: an item, a note, an item.
void FillChain(SampleCase& record) {
    record.m_title = "t";
    record.m_first.m_name = "first";
    record.m_first.m_count = -7;
    auto* note = new SampleNote("note");
    note->m_text = "x";
    note->m_weight = 1.0f;
    note->m_entries = {{1, "e"}};
    for (int i = 0; i < 16; ++i)
        note->m_id[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    record.m_first.Append(note);
    auto* last = new SampleItem("last");
    last->m_isOpen = false;
    record.m_first.Append(last);
    record.m_tags = {"a", "b"};
}

std::string Lf(std::string text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

TEST(ClassLayout, WritesFieldsInDeclarationOrderWithBaseFieldsFirst) {
    SampleCase record;
    FillChain(record);
    const std::string text = Lf(SaveObjectToText(nullptr, "Sample Root", record, -1));
    EXPECT_EQ(
        text,
        "Sample_Root\n{\n"
        "    Title \"t\"\n"
        "    First\n    {\n"
        "        Name \"first\"\n        IsOpen \"true\"\n        Count \"-7\"\n"
        "        Next_Item\n        {\n"
        "            SampleNote\n            {\n"
        "                Name \"note\"\n                IsOpen \"true\"\n                Count "
        "\"0\"\n"
        "                Next_Item\n                {\n"
        "                    SampleItem\n                    {\n"
        "                        Name \"last\"\n                        IsOpen \"false\"\n"
        "                        Count \"0\"\n"
        "                        Next_Item\n                        {\n                        }\n"
        "                    }\n"
        "                }\n"
        "                Text \"x\"\n"
        "                Weight \"1.000000\"\n"
        "                Entries\n                {\n"
        "                    Item\n                    {\n"
        "                        Kind \"1\"\n                        Entry_Text \"e\"\n"
        "                    }\n"
        "                }\n"
        "                Id\n                {\n"
        "                    hex \"000102030405060708090A0B0C0D0E0F\"\n"
        "                }\n"
        "            }\n"
        "        }\n"
        "    }\n"
        "    Tags\n    {\n        Item \"a\"\n        Item \"b\"\n    }\n"
        "}\n");
}

TEST(ClassLayout, ChainReadsBackWithTypesOrderAndBackLinks) {
    SampleCase saved;
    FillChain(saved);
    SampleCase loaded;
    LoadObjectFromText(nullptr, nullptr, SaveObjectToText(nullptr, "Root", saved, -1), loaded);

    EXPECT_EQ(loaded.m_title, "t");
    EXPECT_EQ(loaded.m_first.m_count, -7);
    SampleItem* second = loaded.m_first.m_next;
    ASSERT_NE(second, nullptr);
    ASSERT_STREQ(second->GetTypeName(), "SampleNote");
    auto* note = static_cast<SampleNote*>(second);
    EXPECT_EQ(note->m_name, "note");
    EXPECT_EQ(note->m_weight, 1.0f);
    ASSERT_EQ(note->m_entries.size(), 1u);
    EXPECT_EQ(note->m_entries[0].m_text, "e");
    std::array<std::uint8_t, 16> id{};
    for (std::size_t i = 0; i < id.size(); ++i) id[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(note->m_id, id);
    SampleItem* third = note->m_next;
    ASSERT_NE(third, nullptr);
    EXPECT_STREQ(third->GetTypeName(), "SampleItem");
    EXPECT_FALSE(third->m_isOpen);
    EXPECT_EQ(third->m_next, nullptr);
    EXPECT_EQ(second->m_previous, &loaded.m_first);
    EXPECT_EQ(third->m_previous, second);
    EXPECT_EQ(loaded.m_tags, (std::vector<std::string>{"a", "b"}));
}

TEST(ClassLayout, MissingNodesTakeDefaultsOrKeepConstructedValues) {
    SampleCase record;
    record.m_first.m_count = 5;
    LoadObjectFromText(
        nullptr, nullptr,
        "Root\n{\n    First\n    {\n        Next_Item\n        {\n"
        "            SampleNote\n            {\n            }\n        }\n    }\n}\n",
        record);
    EXPECT_EQ(record.m_title, "untitled");
    EXPECT_EQ(record.m_first.m_count, 5);
    auto* note = static_cast<SampleNote*>(record.m_first.m_next);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->m_weight, 1.0f);     // declared default
    EXPECT_EQ(note->m_text, "");         // no default: as constructed
    EXPECT_EQ(note->m_lastIdSize, 99u);  // no Id node: the converter is not called
}

TEST(ClassLayout, PrimitiveTextsReadLikeTheCLibrary) {
    struct Case {
        const char* count;
        int expected;
    };
    const Case cases[] = {{"  42abc", 42}, {"abc", 0}, {"-0017", -17},
                          {"+8", 8},       {"", 0},    {"99999999999", 2147483647}};
    for (const Case& c : cases) {
        SampleCase record;
        LoadObjectFromText(nullptr, nullptr,
                           std::string("Root\n{\n    First\n    {\n        Count \"") + c.count +
                               "\"\n        IsOpen \"TRUE\"\n    }\n}\n",
                           record);
        EXPECT_EQ(record.m_first.m_count, c.expected) << c.count;
        EXPECT_FALSE(record.m_first.m_isOpen);
    }
}

TEST(PlmClassPtrMetaClass, NullPointerIsAnEmptyBlockAndReadsBackAsNull) {
    SampleItem item("alone");
    TextNode root("Root");
    ClassMetaClass<SampleItem>::Instance().Save(&root, item);
    const StorageNode* next = root.FindChild("Next_Item");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetChildCount(), 0u);
    EXPECT_FALSE(next->IsLeaf());

    SampleItem back;
    ClassMetaClass<SampleItem>::Instance().Load(&root, back);
    EXPECT_EQ(back.m_next, nullptr);
    EXPECT_EQ(back.m_linkCalls, 1);
}

TEST(PlmClassPtrMetaClass, UnregisteredTypeFailsTheLoadKeepingWhatWasRead) {
    SampleCase record;
    const std::string error = LoadError(
        "Root\n{\n    Title \"read\"\n    First\n    {\n        Next_Item\n        {\n"
        "            CGhost\n            {\n            }\n        }\n    }\n    Tags\n    {\n     "
        "   Item \"x\"\n    }\n}\n",
        record);
    EXPECT_EQ(error, "Type 'CGhost' was not registered");
    EXPECT_EQ(record.m_title, "read");
    EXPECT_TRUE(record.m_tags.empty());
    EXPECT_EQ(record.m_first.m_next, nullptr);
}

TEST(PlmClassPtrMetaClass, RegisteredClassOfAnotherKindIsRefused) {
    // SampleEntry is registered (by its layout) but is no SampleItem: it must
    // not be taken for one.
    ClassMetaClass<SampleEntry>::Instance();
    SampleCase record;
    EXPECT_EQ(
        LoadError(
            "Root\n{\n    First\n    {\n        Next_Item\n        {\n"
            "            SampleEntry\n            {\n                Kind \"1\"\n            }\n"
            "        }\n    }\n}\n",
            record),
        "Type 'SampleEntry' is not a kind of the stored pointer");
    EXPECT_EQ(record.m_first.m_next, nullptr);
}

TEST(TypeRegistry, FirstRegistrationWins) {
    ClassMetaClass<SampleCase>::Instance();  // registers SampleNote
    EXPECT_FALSE(RegisterType<SampleItem>("SampleNote"));
    const TypeCreator* creator = FindTypeCreator("SampleNote");
    ASSERT_NE(creator, nullptr);
    SampleItem* made = CreateRegisteredAs<SampleItem>(*creator);
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->GetTypeName(), "SampleNote");
    delete made;
    EXPECT_EQ(FindTypeCreator("NeverRegistered"), nullptr);
}

TEST(ContainerMetaClass, EveryChildIsAnElementAppendedInFileOrder) {
    SampleCase record;
    record.m_tags = {"kept"};
    LoadObjectFromText(nullptr, nullptr,
                       "Root\n{\n    Tags\n    {\n        Item \"1\"\n        Other \"2\"\n        "
                       "Item \"3\"\n    }\n}\n",
                       record);
    EXPECT_EQ(record.m_tags, (std::vector<std::string>{"kept", "1", "2", "3"}));
}

TEST(ContainerMetaClass, ElementCallbackFiltersOnLoadAndSeesEverySave) {
    SampleNote note;
    TextNode root("Root");
    StorageNode* entries = root.AddChild("Entries");
    for (int kind : {1, -1, 2}) {
        StorageNode* item = entries->AddChild("Item");
        item->AddChild("Kind")->SetValue(std::to_string(kind));
    }
    ClassMetaClass<SampleNote>::Instance().Load(&root, note);
    EXPECT_EQ(note.m_entryLoadCalls, 3);
    ASSERT_EQ(note.m_entries.size(), 2u);
    EXPECT_EQ(note.m_entries[1].m_kind, 2);

    TextNode saved("Root");
    ClassMetaClass<SampleNote>::Instance().Save(&saved, note);
    EXPECT_EQ(note.m_entrySaveCalls, 2);
    EXPECT_EQ(saved.FindChild("Entries")->GetChildCount(), 2u);
}

// A record of int members, with a list and a callback-free byte block.
struct Plain {
    struct Layout;
    static ClassLayout<Plain>& GetLayout();
    int m_value = 0;
    int m_bits = 0;
    std::list<int> m_numbers;
    int m_seen = 0;
    int Seen(int& value) { return m_seen = value; }
};
struct Plain::Layout : ClassLayout<Plain> {
    Layout() : ClassLayout("Plain") {
        Value("Value", &Plain::m_value).OnItem(&Plain::Seen);
        Bytes("Bits", &Plain::m_bits);
        Value("Numbers", &Plain::m_numbers);
        BeginVersion("Compact");
        Value("V", &Plain::m_value);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(Plain);

TEST(ClassLayout, VersionsHaveTheirOwnFieldLists) {
    Plain plain;
    plain.m_value = 12;
    plain.m_bits = 0x01020304;
    const std::string normal = SaveObjectToText(nullptr, "P", plain, -1);
    const std::string compact = SaveObjectToText("Compact", "P", plain, -1);
    EXPECT_NE(normal.find("Value \"12\""), std::string::npos);
    EXPECT_NE(normal.find("hex \"04030201\""), std::string::npos);
    EXPECT_EQ(Lf(compact), "P\n{\n    V \"12\"\n}\n");
    EXPECT_EQ(plain.m_seen, 12);  // the item callback ran before the save

    ClassLayout<Plain>& layout = ClassMetaClass<Plain>::Instance().GetLayout();
    EXPECT_EQ(layout.GetVersionName(0), "Default");
    Plain back;
    LoadObjectFromText("Compact", nullptr, compact, back);
    EXPECT_EQ(back.m_value, 12);
    EXPECT_EQ(back.m_bits, 0);
    LoadObjectFromText("Brand new", nullptr, normal, back);  // an unknown version has no fields
    EXPECT_EQ(back.m_bits, 0);
    EXPECT_EQ(layout.GetVersionName(layout.GetVersionCount() - 1), "Brand new");
    LoadObjectFromText(nullptr, nullptr, normal, back);
    EXPECT_EQ(back.m_bits, 0x01020304);
}

TEST(BinaryDataField, SaveConverterResultsDecideWhatIsWritten) {
    for (int result : {kBytesNone, kBytesOwned, kBytesKept}) {
        SampleNote note;
        note.m_id.fill(0xAB);
        note.m_saveResult = result;
        TextNode root("Root");
        ClassMetaClass<SampleNote>::Instance().Save(&root, note);
        const StorageNode* id = root.FindChild("Id");
        ASSERT_NE(id, nullptr);
        EXPECT_EQ(id->GetChildCount(), result == kBytesNone ? 0u : 1u) << result;

        SampleNote back;
        back.m_id.fill(0x11);
        ClassMetaClass<SampleNote>::Instance().Load(&root, back);
        EXPECT_EQ(back.m_lastIdSize, result == kBytesNone ? 0u : 16u);
        EXPECT_EQ(back.m_id[15], result == kBytesNone ? 0x00 : 0xAB);
    }
}

// Three containers, one per callback mode, with a free function that keeps
// even numbers only.
int g_modeCalls = 0;
int KeepEven(int& value) {
    ++g_modeCalls;
    return value % 2 == 0 ? kAppendItem : 0;
}
struct Modes {
    struct Layout;
    static ClassLayout<Modes>& GetLayout();
    std::vector<int> m_onLoad;
    std::vector<int> m_onSave;
    std::vector<int> m_both;
};
struct Modes::Layout : ClassLayout<Modes> {
    Layout() : ClassLayout("Modes") {
        Container("OnLoad", &Modes::m_onLoad).OnItem(&KeepEven, kCallOnLoad);
        Container("OnSave", &Modes::m_onSave).OnItem(&KeepEven, kCallOnSave);
        Container("Both", &Modes::m_both).OnItem(&KeepEven, kCallOnLoadAndSave);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(Modes);

TEST(ContainerField, CallbackModesDecideWhenTheFunctionRuns) {
    struct Case {
        const char* node;
        std::vector<int> Modes::*member;
        int loadCalls;
        std::size_t kept;
        int saveCalls;
    };
    const Case cases[] = {
        {"OnLoad", &Modes::m_onLoad, 3, 1, 0},
        {"OnSave", &Modes::m_onSave, 0, 3, 3},
        {"Both", &Modes::m_both, 3, 1, 1},
    };
    for (const Case& c : cases) {
        TextNode root("Root");
        StorageNode* list = root.AddChild(c.node);
        for (const char* number : {"1", "2", "3"}) list->AddChild("Item")->SetValue(number);
        Modes modes;
        g_modeCalls = 0;
        ClassMetaClass<Modes>::Instance().Load(&root, modes);
        EXPECT_EQ(g_modeCalls, c.loadCalls) << c.node;
        EXPECT_EQ((modes.*c.member).size(), c.kept) << c.node;

        Modes saved;
        saved.*c.member = {(modes.*c.member).begin(), (modes.*c.member).end()};
        g_modeCalls = 0;
        TextNode out("Root");
        ClassMetaClass<Modes>::Instance().Save(&out, saved);
        EXPECT_EQ(g_modeCalls, c.saveCalls) << c.node;
        EXPECT_EQ(out.FindChild(c.node)->GetChildCount(), c.kept) << c.node;
    }
}

// Two defaults for one field.
struct TwoDefaults {
    struct Layout;
    static ClassLayout<TwoDefaults>& GetLayout();
    int m_value = 0;
};
struct TwoDefaults::Layout : ClassLayout<TwoDefaults> {
    Layout() : ClassLayout("TwoDefaults") {
        Value("Value", &TwoDefaults::m_value).Default(1).Default(2);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(TwoDefaults);

TEST(ClassLayout, SecondDefaultForAFieldFailsTheLayout) {
    try {
        ClassMetaClass<TwoDefaults>::Instance();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.GetMessage(), "Multiple default value macros for field");
    }
    TwoDefaults record;
    EXPECT_THROW(LoadObjectFromText(nullptr, nullptr, "R\n{\n    Value \"3\"\n}\n", record),
                 Exception);
}

TEST(ClassLayout, RawOperationsRoundTripTheWholeRecord) {
    SampleCase saved;
    FillChain(saved);
    TextNode root("Root");
    ClassMetaClass<SampleCase>::Instance().SaveRaw(&root, saved);
    // Values are bytes now: the title is "hex" children, not a text.
    EXPECT_EQ(root.FindChild("Title")->GetChildAt(0)->GetValue(), "74");
    SampleCase loaded;
    ClassMetaClass<SampleCase>::Instance().LoadRaw(&root, loaded);
    EXPECT_EQ(loaded.m_title, "t");
    EXPECT_EQ(loaded.m_first.m_count, -7);
    ASSERT_NE(loaded.m_first.m_next, nullptr);
    auto* note = static_cast<SampleNote*>(loaded.m_first.m_next);
    EXPECT_EQ(note->m_weight, 1.0f);
    EXPECT_EQ(note->m_text, "x");
    ASSERT_NE(note->m_next, nullptr);
    EXPECT_FALSE(note->m_next->m_isOpen);
    EXPECT_EQ(loaded.m_tags, saved.m_tags);
}

}  // namespace

namespace {

TEST(ClassLayout, DeepestChainTheReaderAcceptsLoadsAndSaves) {
    // Root and First are two levels; every further item adds Next_Item and
    // its type block.  Written without indentation to keep the text small.
    const int items = (TextStorage::kMaxDepth - 2) / 2;
    std::string text = "Root {\nFirst {\n";
    for (int i = 0; i < items; ++i) text += "Next_Item {\nSampleItem {\nCount \"1\"\n";
    text += std::string(static_cast<std::size_t>(items) * 2 + 2, '}');

    SampleCase record;
    LoadObjectFromText(nullptr, nullptr, text, record);
    int length = 0;
    for (SampleItem* item = record.m_first.m_next; item != nullptr; item = item->m_next) ++length;
    EXPECT_EQ(length, items);

    TextNode root("Root");
    ClassMetaClass<SampleCase>::Instance().Save(&root, record);
    EXPECT_EQ(root.FindChild("First")->FindChild("Next_Item")->GetChildAt(0)->GetName(),
              "SampleItem");
}

}  // namespace
