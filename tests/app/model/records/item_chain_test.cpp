// The chains of a case: items and symptoms appended, unlinked, destroyed and
// stored at lengths well beyond everyday cases, and the private heaps they
// come from.
#include <gtest/gtest.h>

#include "model/records/case.h"
#include "records_home.h"

namespace {

class ItemChain : public records_test::HomeTest {};

std::vector<COneItem*> Items(CCase& theCase) {
    std::vector<COneItem*> items;
    for (COneItem* item = &theCase.GetFirstEpisode(); item != nullptr; item = item->GetNext())
        items.push_back(item);
    return items;
}

TEST_F(ItemChain, UnlinkJoinsTheNeighbours) {
    CCase theCase;
    CEpisode* a = theCase.AddEpisode("a");
    CEpisode* b = theCase.AddEpisode("b");
    CEpisode* c = theCase.AddEpisode("c");
    EXPECT_TRUE(b->Unlink());
    EXPECT_EQ(Items(theCase), (std::vector<COneItem*>{&theCase.GetFirstEpisode(), a, c}));
    EXPECT_EQ(c->GetPrevious(), a);
    EXPECT_TRUE(c->Unlink());
    EXPECT_EQ(a->GetNext(), nullptr);
    EXPECT_EQ(theCase.GetLastItem(), a);
    // The first episode belongs to the case.
    EXPECT_FALSE(theCase.GetFirstEpisode().Unlink());
    EXPECT_EQ(Items(theCase), (std::vector<COneItem*>{&theCase.GetFirstEpisode(), a}));
}

TEST_F(ItemChain, SymptomsUnlinkButNotTheFirst) {
    CAnalysis analysis;
    CSympthom& first = analysis.GetFirstSymptom();
    CSympthom* second = first.Append(new CSympthom("second"));
    CSympthom* third = first.Append(new CSympthom("third"));
    EXPECT_FALSE(first.Unlink());
    EXPECT_EQ(analysis.GetSymptomCount(), 3);
    EXPECT_TRUE(second->Unlink());
    EXPECT_EQ(first.GetNext(), third);
    EXPECT_EQ(third->GetPrevious(), &first);
    EXPECT_EQ(analysis.GetSymptom(1), third);
    EXPECT_EQ(analysis.GetSymptom(2), nullptr);
    EXPECT_EQ(analysis.GetSymptom(-1), nullptr);
}

// Destroying long chains must not recurse once per item.
TEST_F(ItemChain, VeryLongChainsAreDestroyedWithoutRecursion) {
    {
        CCase theCase;
        COneItem* last = &theCase.GetFirstEpisode();
        for (int i = 0; i < 200000; ++i) last = last->Append(new COneItem);
    }
    {
        CAnalysis analysis;
        CSympthom* last = &analysis.GetFirstSymptom();
        for (int i = 0; i < 200000; ++i) last = last->Append(new CSympthom);
    }
    EXPECT_EQ(PrivateHeapOf<COneItem>::LiveCount(), 0u);
    EXPECT_EQ(PrivateHeapOf<CSympthom>::LiveCount(), 0u);
}

// The file format nests each item inside the one before it (and indents it
// one level deeper), so long chains make large files; a chain of ten times
// the items of a busy case is written and read back completely.
TEST_F(ItemChain, LongChainsSurviveAFile) {
    constexpr int kItems = 800;
    std::string text;
    {
        CCase theCase;
        for (int i = 0; i < kItems; ++i) theCase.AddEpisode("visit " + std::to_string(i));
        CAnalysis* analysis = theCase.AddAnalysis();
        for (int i = 0; i < 300; ++i)
            analysis->GetFirstSymptom().Append(new CSympthom("s" + std::to_string(i)));
        text = theCase.SaveText();
    }
    std::string error;
    std::unique_ptr<CCase> loaded = CCase::LoadText(text, &error);
    ASSERT_NE(loaded, nullptr) << error;
    std::vector<COneItem*> items = Items(*loaded);
    ASSERT_EQ(items.size(), static_cast<std::size_t>(kItems) + 2);
    EXPECT_EQ(items[kItems]->GetName(), "visit 799");
    EXPECT_EQ(items[kItems]->GetPrevious(), items[kItems - 1]);
    EXPECT_EQ(loaded->GetAnalyses().at(0)->GetSymptomCount(), 301);
    EXPECT_EQ(loaded->GetAnalyses().at(0)->GetSymptom(300)->m_name, "s299");
}

TEST_F(ItemChain, EachClassHasItsOwnHeap) {
    EXPECT_FALSE(PrivateHeapOf<CEpisode>::Exists());
    {
        CCase theCase;  // the first episode is part of the case, not of a heap
        EXPECT_EQ(PrivateHeapOf<CEpisode>::LiveCount(), 0u);
        theCase.AddEpisode("a");
        theCase.AddEpisode("b");
        theCase.AddPrescription();
        CAnalysis* analysis = theCase.AddAnalysis();
        analysis->GetFirstSymptom().Append(new CSympthom);
        theCase.GetFirstEpisode().Append(new COneItem);
        EXPECT_EQ(PrivateHeapOf<CEpisode>::LiveCount(), 2u);
        EXPECT_EQ(PrivateHeapOf<CPrescription>::LiveCount(), 1u);
        EXPECT_EQ(PrivateHeapOf<CAnalysis>::LiveCount(), 1u);
        EXPECT_EQ(PrivateHeapOf<CSympthom>::LiveCount(), 1u);
        EXPECT_EQ(PrivateHeapOf<COneItem>::LiveCount(), 1u);
    }
    EXPECT_FALSE(PrivateHeapOf<CEpisode>::Exists());
    EXPECT_FALSE(PrivateHeapOf<CPrescription>::Exists());
    EXPECT_FALSE(PrivateHeapOf<CAnalysis>::Exists());
    EXPECT_FALSE(PrivateHeapOf<CSympthom>::Exists());
    EXPECT_FALSE(PrivateHeapOf<COneItem>::Exists());
}

// Only the first unnamed episode since start is the first visit (the tool's
// tests see that name in a fresh process); every later one is "Unknown".
TEST(FirstEpisode, LaterUnnamedEpisodesAreUnknown) {
    CCase earlier;
    CCase later;
    EXPECT_EQ(later.GetFirstEpisode().GetName(), "Unknown");
    EXPECT_FALSE(later.GetFirstEpisode().IsFirstVisit());
    EXPECT_EQ(CEpisode("Note").GetName(), "Note");
}

}  // namespace
