#include "core/corvela_impl.h"
#include "search/search_engine.h"

namespace {

// Created on first use behind a plain flag (the engine is used from one
// thread) and destroyed when the library unloads.
SearchEngine* g_engine = nullptr;

struct EngineReaper {
    ~EngineReaper() {
        delete g_engine;
        g_engine = nullptr;
    }
} g_reaper;

}  // namespace

SearchEngine& SearchEngineInstance() {
    if (g_engine == nullptr) g_engine = new SearchEngine(EngineInstance());
    return *g_engine;
}

void ForgetSearchEngineSources() {
    if (g_engine != nullptr) g_engine->ForgetSources();
}
