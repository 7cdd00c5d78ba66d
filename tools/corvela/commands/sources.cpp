// corvela sources
#include <corvela.h>

#include "command.h"
#include "console.h"
#include "source_lookup.h"

namespace corvela_cli {

int RunSources(const Arguments&, const Options&) {
    Corvela& engine = CorvelaInstance();
    std::string out;
    for (unsigned position = 0, count = engine.GetDataSourceCount(); position < count; ++position) {
        DataSource* source = engine.GetDataSource(position);
        if (source == nullptr) continue;
        char id[kGuidTextLength + 1];
        FormatGuid(*source->GetGuid(), id);
        out += std::to_string(position) + "\t" + std::to_string(source->GetType()) + "\t" + id +
               "\t" + Utf8(source->GetName()) + "\t" + std::to_string(CountItems(*source)) + "\t" +
               (source->GetFilePath() != nullptr ? source->GetFilePath() : "") + "\n";
    }
    return WriteOut(out) ? kExitOk : kExitFailure;
}

}  // namespace corvela_cli
