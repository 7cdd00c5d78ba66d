// What the repertory browser's tests share: the demo home with the test
// repertory written into it, and finding rubrics by their path.
#pragma once

#include <corvela.h>

#include <initializer_list>

namespace repertory_test {

// The demo home and REP_BROWSER_TEST (demo_home.h), once per process.
void PrepareHome();

// The loaded repertory with identifier `id`; null when not loaded.
Repertory* FindRepertory(const Guid& id);

// The rubric reached from the root through children with these texts
// (exact); null when a step is missing.
Topic* Rubric(Repertory& repertory, std::initializer_list<const char*> path);

}  // namespace repertory_test
