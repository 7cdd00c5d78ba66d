#include "repertory_compiler.h"

#include <corvela.h>

#include "remedy_names.h"

namespace corvela_sources {

CompileResult CompileRepertory(const RepertorySource& source, Corvela& engine,
                               const char* outputPath) {
    RepertoryBuilder* builder = engine.GetRepertoryBuilder();
    if (builder == nullptr) {
        CompileResult result;
        result.error = "the engine has no repertory compiler";
        return result;
    }
    const int knownUnknowns = builder->GetUnknownRemedyCount();
    const auto description = source.header.Describe<RepertoryDescription>(0);
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
    const bool saved = builder->Save(outputPath) != 0;
    return TakeCompileResult(*builder, knownUnknowns, saved);
}

}  // namespace corvela_sources
