#include "model/storage/node_name.h"

std::string MakeNodeName(std::string_view name) {
    std::string result(name);
    for (char& c : result) {
        switch (c) {
            case ' ':
            case '{':
            case '}':
            case ',':
            case '\\':
            case '/':
            case '"':
            case '!':
            case ':':
            case '.':
                c = '_';
                break;
            default:
                break;
        }
    }
    return result;
}
