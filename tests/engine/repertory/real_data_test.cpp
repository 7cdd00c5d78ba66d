// Kent's repertory, compiled against its own catalogue and loaded again.
// Skipped when the shared reference data is not at hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue/remedy_list_impl.h"
#include "index/index_builder_impl.h"
#include "repertory/repertory_builder_impl.h"
#include "repertory/repertory_impl.h"
#include "repertory_fixture.h"
#include "scratch_directory.h"

using namespace corvela_test;

TEST(RealData, KentCompilesAndLoadsWhole) {
    const std::string shared = MERIDANE_SHARED_DATA_DIR;
    if (!std::filesystem::exists(shared + "/kent.rps")) GTEST_SKIP() << "no shared data";
    RemedyListImpl catalogue;
    ASSERT_EQ(catalogue.Load((shared + "/remedies.txt").c_str()), 1);
    ASSERT_EQ(catalogue.GetRemedyCount(), 821);
    IndexBuilderImpl index;
    RepertoryBuilderImpl builder(catalogue, index);
    ScratchDirectory dir;
    std::ifstream in(shared + "/kent.rps", std::ios::binary);
    const std::string source((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    const RepertoryDescription description{
        "480F689C-90DE-450E-8425-D6EBC094EEC0", "REP_KENT", "", "", "", "", 0};
    ASSERT_EQ(CompileRepertory(builder, description, source, dir / "kent.rpb"), 1)
        << builder.GetSaveError();
    EXPECT_EQ(builder.GetUnknownRemedyCount(), 0);

    RepertoryImpl kent;
    ASSERT_TRUE(kent.Open((dir / "kent.rpb").c_str())) << kent.GetLoadError().Describe();
    ASSERT_EQ(kent.GetTopicCount(), 65625u);
    std::size_t entries = 0, grade3 = 0;
    for (std::uint32_t i = 0; i < kent.GetTopicCount(); ++i) {
        Topic* topic = kent.GetTopic(i);
        entries += static_cast<std::size_t>(topic->GetRemedyCount());
        for (int e = 0; e < topic->GetRemedyCount(); ++e) grade3 += topic->GetGrade(e) == 3;
    }
    EXPECT_EQ(entries, 447776u);
    EXPECT_EQ(grade3, 33765u);
    EXPECT_EQ(kent.GetRoot()->GetChildCount(), 37);
    EXPECT_STREQ(kent.GetRoot()->GetChild(0)->GetText(), "Mind");
    std::vector<std::int32_t> acon;
    kent.GetTopicsOfRemedy(catalogue.FindRemedy("acon")->GetId(), acon);
    EXPECT_FALSE(acon.empty());
    EXPECT_TRUE(std::is_sorted(acon.begin(), acon.end()));
}
