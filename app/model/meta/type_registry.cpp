#include "model/meta/type_registry.h"

#include <map>

namespace {

std::map<std::string, std::unique_ptr<TypeCreator>>& Registry() {
    static std::map<std::string, std::unique_ptr<TypeCreator>> registry;
    return registry;
}

}  // namespace

bool RegisterTypeCreator(const std::string& name, std::unique_ptr<TypeCreator> creator) {
    if (!creator) return false;
    return Registry().emplace(name, std::move(creator)).second;
}

const TypeCreator* FindTypeCreator(const std::string& name) {
    const auto& registry = Registry();
    const auto it = registry.find(name);
    return it == registry.end() ? nullptr : it->second.get();
}
