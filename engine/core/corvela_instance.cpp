#include "core/corvela_impl.h"

// The one facade, built on the first call and destroyed when the library is
// unloaded (or the process ends), which writes the list of data sources.
extern "C" CORVELA_EXPORT Corvela& CorvelaInstance() {
    static CorvelaImpl facade;
    return facade;
}

CorvelaImpl& EngineInstance() {
    return static_cast<CorvelaImpl&>(CorvelaInstance());
}
