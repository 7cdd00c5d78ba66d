#include "repertory_compiler.h"

#include <corvela.h>

#include "remedy_names.h"

namespace corvela_sources {

CompileResult CompileRepertory(const RepertorySource& source, Corvela& engine,
                               const char* outputPath) {
    CompileResult result;
    RepertoryBuilder* builder = engine.GetRepertoryBuilder();
    if (builder == nullptr) {
        result.error = "the engine has no repertory compiler";
        return result;
    }
    const int knownUnknowns = builder->GetUnknownRemedyCount();
    const SourceHeader& header = source.header;
    const RepertoryDescription description{header.id.c_str(),       header.texts[0].c_str(),
                                           header.texts[1].c_str(), header.texts[2].c_str(),
                                           header.texts[3].c_str(), header.texts[4].c_str(),
                                           header.FlagsOr(0)};
    builder->Begin(&description);
    int open = 0;
    std::string scratch;
    for (const SourceRubric& rubric : source.rubrics) {
        for (; open > rubric.depth; --open) builder->CloseTopic();
        builder->AddTopic(rubric.text.c_str());
        ++open;
        for (const SourceRemedy& remedy : rubric.remedies)
            builder->AddRemedy(SourceRemedyName(engine, remedy.name, &scratch), remedy.grade);
    }
    for (; open > 0; --open) builder->CloseTopic();
    builder->End();
    result.saved = builder->Save(outputPath) != 0;
    for (int i = knownUnknowns; i < builder->GetUnknownRemedyCount(); ++i)
        result.unknownRemedies.emplace_back(builder->GetUnknownRemedy(i));
    if (!result.saved) {
        const char* why = builder->GetSaveError();
        if (why != nullptr) result.error = why;
    }
    return result;
}

}  // namespace corvela_sources
