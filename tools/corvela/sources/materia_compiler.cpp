#include "materia_compiler.h"

#include <corvela.h>

#include "remedy_names.h"

namespace corvela_sources {

CompileResult CompileMateriaMedica(const MateriaMedicaSource& source, Corvela& engine,
                                   const char* outputPath) {
    CompileResult result;
    MateriaMedicaBuilder* builder = engine.GetMateriaMedicaBuilder();
    if (builder == nullptr) {
        result.error = "this engine has no materia medica compiler yet";
        return result;
    }
    const int knownUnknowns = builder->GetUnknownRemedyCount();
    const SourceHeader& header = source.header;
    const MateriaMedicaDescription description{header.id.c_str(),
                                               header.texts[0].c_str(),
                                               header.texts[1].c_str(),
                                               header.texts[2].c_str(),
                                               header.texts[3].c_str(),
                                               header.texts[4].c_str(),
                                               header.FlagsOr(kPlainMateriaMedicaFlags)};
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
    result.saved = builder->Save(outputPath);
    for (int i = knownUnknowns; i < builder->GetUnknownRemedyCount(); ++i)
        result.unknownRemedies.emplace_back(builder->GetUnknownRemedy(i));
    if (!result.saved) {
        const char* why = builder->GetSaveError();
        if (why != nullptr) result.error = why;
    }
    return result;
}

}  // namespace corvela_sources
