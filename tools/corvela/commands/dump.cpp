// corvela dump NAME-OR-GUID
#include <corvela.h>

#include "command.h"
#include "console.h"
#include "materia_medica_writer.h"
#include "repertory_writer.h"
#include "source_lookup.h"

namespace corvela_cli {
namespace {

// Source text of one kind of data source; false with the reason (UTF-8).
using SourceWriter = bool (*)(DataSource& source, Corvela& engine, std::string* out,
                              std::string* error);

bool WriteRepertory(DataSource& source, Corvela& engine, std::string* out, std::string* error) {
    return corvela_sources::WriteRepertorySource(static_cast<Repertory&>(source), engine, out,
                                                 error);
}

SourceWriter WriterFor(DataSource& source) {
    switch (source.GetType()) {
        case kSourceRepertory:
            return &WriteRepertory;
        case kSourceMateriaMedica:
        case kSourceUserArticles:
            return &corvela_sources::WriteMateriaMedicaSource;
        default:
            return nullptr;
    }
}

}  // namespace

int RunDump(const Arguments& arguments, const Options&) {
    Corvela& engine = CorvelaInstance();
    DataSource* source = FindSource(engine, arguments[0]);
    if (source == nullptr) return Fail("no data source named " + arguments[0]);
    SourceWriter writer = WriterFor(*source);
    if (writer == nullptr)
        return Fail(arguments[0] + ": a data source of type " + std::to_string(source->GetType()) +
                    " cannot be written as source text");
    std::string text, error;
    if (!writer(*source, engine, &text, &error)) return Fail(arguments[0] + ": " + error);
    return WriteOut(text) ? kExitOk : kExitFailure;
}

}  // namespace corvela_cli
