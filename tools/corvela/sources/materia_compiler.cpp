#include "materia_compiler.h"

#include <corvela.h>

#include "remedy_names.h"

namespace corvela_sources {

CompileResult CompileMateriaMedica(const MateriaMedicaSource& source, Corvela& engine,
                                   const char* outputPath) {
    MateriaMedicaBuilder* builder = engine.GetMateriaMedicaBuilder();
    if (builder == nullptr) {
        CompileResult result;
        result.error = "this engine has no materia medica compiler yet";
        return result;
    }
    const int knownUnknowns = builder->GetUnknownRemedyCount();
    const auto description =
        source.header.Describe<MateriaMedicaDescription>(kPlainMateriaMedicaFlags);
    builder->Begin(&description);
    std::string scratch;
    for (const SourceArticle& article : source.articles) {
        const char* name = article.name.empty() && article.title.empty()
                               ? ""
                               : SourceRemedyName(engine, article.name, &scratch);
        builder->AddArticle(name, article.title.c_str(), article.text.c_str(),
                            article.hasRtf ? article.rtf.c_str() : nullptr);
    }
    builder->End();
    const bool saved = builder->Save(outputPath);
    return TakeCompileResult(*builder, knownUnknowns, saved);
}

}  // namespace corvela_sources
