#include "source_lookup.h"

#include <corvela.h>

#include <vector>

#include "console.h"
#include "materia_articles.h"
#include "source_header.h"

namespace corvela_cli {

DataSource* FindSource(Corvela& engine, const std::string& nameOrGuid) {
    std::string name;
    if (ToEngineText(nameOrGuid, &name)) {
        if (DataSource* source = engine.FindDataSourceByName(name.c_str())) return source;
    }
    std::string text;
    Guid id;
    if (corvela_sources::NormaliseGuidText(nameOrGuid, &text) && ParseGuid(text.c_str(), &id))
        return engine.FindDataSource(&id);
    return nullptr;
}

Repertory* FindRepertoryOrFail(Corvela& engine, const std::string& nameOrGuid) {
    DataSource* source = FindSource(engine, nameOrGuid);
    if (source == nullptr) {
        Fail("no data source named " + nameOrGuid);
        return nullptr;
    }
    if (source->GetType() != kSourceRepertory) {
        Fail(nameOrGuid + " is not a repertory");
        return nullptr;
    }
    return static_cast<Repertory*>(source);
}

long CountItems(DataSource& source) {
    switch (source.GetType()) {
        case kSourceRepertory: {
            Topic* root = static_cast<Repertory&>(source).GetRoot();
            if (root == nullptr) return 0;
            long count = 0;
            std::vector<Topic*> stack{root};
            while (!stack.empty()) {
                Topic* topic = stack.back();
                stack.pop_back();
                ++count;
                for (int i = 0, n = topic->GetChildCount(); i < n; ++i)
                    stack.push_back(topic->GetChild(i));
            }
            return count;
        }
        case kSourceMateriaMedica:
            return static_cast<MateriaMedica&>(source).GetArticleCount();
        case kSourceUserArticles:
            return static_cast<long>(corvela_sources::ArticlesOf(source).size());
    }
    return 0;
}

}  // namespace corvela_cli
