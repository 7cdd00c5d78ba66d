// What the public headers promise callers about the engine's objects.
#include <gtest/gtest.h>

#include <type_traits>

#include "corvela.h"

TEST(Interfaces, CallersCannotDeleteEngineObjects) {
    EXPECT_FALSE(std::is_destructible_v<Corvela>);
    EXPECT_FALSE(std::is_destructible_v<DataItem>);
    EXPECT_FALSE(std::is_destructible_v<Topic>);
    EXPECT_FALSE(std::is_destructible_v<Article>);
    EXPECT_FALSE(std::is_destructible_v<Remedy>);
    EXPECT_FALSE(std::is_destructible_v<DataSource>);
    EXPECT_FALSE(std::is_destructible_v<Repertory>);
    EXPECT_FALSE(std::is_destructible_v<MateriaMedica>);
    EXPECT_FALSE(std::is_destructible_v<UserMateriaMedica>);
    EXPECT_FALSE(std::is_destructible_v<UserMMArticle>);
    EXPECT_FALSE(std::is_destructible_v<UserArticle>);
    EXPECT_FALSE(std::is_destructible_v<Index>);
    EXPECT_FALSE(std::is_destructible_v<RemedyList>);
    EXPECT_FALSE(std::is_destructible_v<IndexBuilder>);
    EXPECT_FALSE(std::is_destructible_v<RepertoryBuilder>);
    EXPECT_FALSE(std::is_destructible_v<MateriaMedicaBuilder>);
    EXPECT_FALSE(std::is_destructible_v<SearchListener>);
}

TEST(Interfaces, DestructorsStayVirtualWhereTheyWere) {
    EXPECT_TRUE(std::has_virtual_destructor_v<Corvela>);
    EXPECT_TRUE(std::has_virtual_destructor_v<DataItem>);
    EXPECT_TRUE(std::has_virtual_destructor_v<DataSource>);
    EXPECT_TRUE(std::has_virtual_destructor_v<Index>);
    EXPECT_TRUE(std::has_virtual_destructor_v<RemedyList>);
    EXPECT_TRUE(std::has_virtual_destructor_v<RepertoryBuilder>);
    EXPECT_TRUE(std::has_virtual_destructor_v<MateriaMedicaBuilder>);
    EXPECT_FALSE(std::has_virtual_destructor_v<IndexBuilder>);
    EXPECT_FALSE(std::has_virtual_destructor_v<SearchListener>);
}
