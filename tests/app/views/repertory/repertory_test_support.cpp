#include "repertory_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "demo_home.h"

namespace repertory_test {

void PrepareHome() {
    static const bool ready = [] {
        views_test::UseDemoHome();
        if (!views_test::WriteBrowserTestRepertory()) {
            std::fprintf(stderr, "cannot write the test repertory\n");
            std::exit(1);
        }
        return true;
    }();
    static_cast<void>(ready);
}

Repertory* FindRepertory(const Guid& id) {
    DataSource* source = CorvelaInstance().FindDataSource(&id);
    return source != nullptr && source->GetType() == kSourceRepertory
               ? static_cast<Repertory*>(source)
               : nullptr;
}

Topic* Rubric(Repertory& repertory, std::initializer_list<const char*> path) {
    Topic* topic = repertory.GetRoot();
    for (const char* step : path) {
        Topic* next = nullptr;
        for (int i = 0; topic != nullptr && i < topic->GetChildCount() && next == nullptr; ++i) {
            Topic* child = topic->GetChild(i);
            if (std::strcmp(child->GetText(), step) == 0) next = child;
        }
        topic = next;
    }
    return topic;
}

}  // namespace repertory_test
