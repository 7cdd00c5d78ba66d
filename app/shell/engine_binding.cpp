#include "shell/engine_binding.h"

#include <corvela.h>

namespace {
// Bound before main runs: the first call constructs the engine (its locale,
// the remedy catalogue and the builders).
Corvela& g_engine = CorvelaInstance();
}  // namespace

Corvela& Engine() { return g_engine; }
