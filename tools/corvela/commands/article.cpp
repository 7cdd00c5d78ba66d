// corvela article [--rtf] NAME-OR-GUID REMEDY
#include <corvela.h>

#include "command.h"
#include "console.h"
#include "materia_articles.h"
#include "remedy_names.h"
#include "source_lookup.h"

namespace corvela_cli {

int RunArticle(const Arguments& arguments, const Options& options) {
    const std::string& named = arguments[0];
    const std::string& remedyName = arguments[1];
    const bool rich = options.count("--rtf") > 0;
    Corvela& engine = CorvelaInstance();
    DataSource* source = FindSource(engine, named);
    if (source == nullptr) return Fail("no data source named " + named);
    if (source->GetType() != kSourceMateriaMedica && source->GetType() != kSourceUserArticles)
        return Fail(named + " is not a materia medica");
    int remedy = -1;
    if (remedyName != "-") {
        std::string name, scratch;
        Remedy* found = nullptr;
        if (ToEngineText(remedyName, &name))
            found = engine.FindRemedy(corvela_sources::SourceRemedyName(engine, name, &scratch));
        if (found == nullptr) return Fail("unknown remedy: " + remedyName);
        remedy = static_cast<int>(found->GetId());
    }
    Article* article = corvela_sources::FindArticleOn(*source, remedy);
    const std::string about = remedy == -1 ? "no remedy" : remedyName;
    if (article == nullptr) return Fail(named + " has no article on " + about);
    std::string text = Utf8(rich ? article->GetRichText() : article->GetText());
    if (rich && text.empty())
        return Fail("the article on " + about + " in " + named + " has no rich text");
    if (!text.empty() && text.back() != '\n') text += '\n';
    return WriteOut(text) ? kExitOk : kExitFailure;
}

}  // namespace corvela_cli
