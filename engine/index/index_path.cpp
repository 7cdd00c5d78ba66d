#include "index/index_path.h"

std::string IndexPathFor(std::string_view dataPath) {
    auto dot = dataPath.rfind('.');
    std::string path(dot == std::string_view::npos ? dataPath : dataPath.substr(0, dot));
    path += ".idx";
    return path;
}
