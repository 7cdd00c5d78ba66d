// The facade's own bookkeeping: search hits and the remedy-to-source table.
#include <gtest/gtest.h>

#include "core/corvela_impl.h"
#include "repertory_fixture.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

class Facade : public HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        ASSERT_EQ(CompileRepertory("root\n\tchild\n", HomePath("r.rpb")), 1);
        ASSERT_EQ(Engine().GetDataSourceCount(), 1u);
        m_source = Engine().GetDataSource(0);
    }
    static CorvelaImpl& Engine() { return EngineInstance(); }

    DataSource* m_source = nullptr;
};

}  // namespace

TEST_F(Facade, HitsCollectUntilClearedAndDieWithTheirSources) {
    DataItem* child = m_source->GetItem(1);
    Engine().OnFound({m_source->GetItem(0), m_source});
    Engine().OnFound({child, m_source});
    ASSERT_EQ(Engine().GetResultCount(), 2);
    EXPECT_EQ(Engine().GetResult(1)->item, child);
    EXPECT_EQ(Engine().GetResult(2), nullptr);
    EXPECT_EQ(Engine().GetResult(-1), nullptr);
    Engine().ClearResults();
    EXPECT_EQ(Engine().GetResultCount(), 0);
    Engine().OnFound({child, m_source});
    Engine().CloseAll();  // the hit would point at a deleted rubric
    EXPECT_EQ(Engine().GetResultCount(), 0);
}

TEST_F(Facade, RemedySourceRows) {
    const Guid id = *m_source->GetGuid();
    EXPECT_EQ(Engine().GetRemedySourceCount(2), 0);
    Engine().AddRemedySource(2, m_source);
    Engine().AddRemedySource(2, m_source);  // already there
    ASSERT_EQ(Engine().GetRemedySourceCount(2), 1);
    Guid out;
    Engine().GetRemedySource(2, 0, &out);
    EXPECT_TRUE(out == id);
    Guid untouched;
    untouched.data1 = 77;
    Engine().GetRemedySource(2, 1, &untouched);
    Engine().GetRemedySource(99, 0, &untouched);
    EXPECT_EQ(untouched.data1, 77u);
    EXPECT_EQ(Engine().GetRemedySourceCount(8), 0);  // one past the catalogue
    EXPECT_EQ(Engine().GetRemedySourceCount(-1), 0);
    Engine().AddRemedySource(8, m_source);  // outside the table: ignored
    EXPECT_EQ(Engine().GetRemedySourceCount(8), 0);
    Engine().RemoveRemedySource(2, m_source);
    EXPECT_EQ(Engine().GetRemedySourceCount(2), 0);
    // The rows are refilled by every discovery, so CloseAll empties them.
    Engine().AddRemedySource(3, m_source);
    Engine().CloseAll();
    EXPECT_EQ(Engine().GetRemedySourceCount(3), 0);
}
