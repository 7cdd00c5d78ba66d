#include "model/storage/writer.h"

#include "model/core/code_page.h"
#include "model/core/exception.h"
#include "model/storage/escape.h"
#include "model/storage/text_storage.h"

namespace {

constexpr std::size_t kPieceBytes = 64;

void Indent(std::string& out, int level) {
    out.append(static_cast<std::size_t>(level) * 4, ' ');
}

bool IsNodeName(const std::string& name) {
    if (name.empty()) return false;
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!letter(name[0])) return false;
    for (char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
    }
    return true;
}

void WriteQuoted(std::string& out, std::string_view raw) {
    out += '"';
    out += EscapeText(raw);
    out += '"';
}

}  // namespace

void WriteNode(std::string& out, const StorageNode& node, int level, int codePage) {
    const std::string& name = node.GetName();
    if (!IsNodeName(name)) throw Exception("Writer:: '%.200s' is not a node name", name.c_str());
    Indent(out, level);
    out += name;

    if (node.IsLeaf()) {
        const std::string& value = node.GetValue();
        if (value.size() <= kPieceBytes) {
            out += ' ';
            WriteQuoted(out, value);
            out += "\r\n";
            return;
        }
        const std::string_view raw(value);
        for (std::size_t start = 0; start < raw.size(); start += kPieceBytes) {
            if (start == 0) {
                out += ' ';
            } else {
                Indent(out, level + 1);
            }
            WriteQuoted(out, raw.substr(start, kPieceBytes));
            if (start + kPieceBytes < raw.size()) out += " \\";
            out += "\r\n";
        }
        return;
    }

    if (level >= TextStorage::kMaxDepth) {
        throw Exception("Writer:: blocks nested deeper than %d levels", TextStorage::kMaxDepth);
    }
    out += "\r\n";
    Indent(out, level);
    out += "{\r\n";
    if (level == 0 && codePage != kCodePageNone && codePage >= 0) {
        out += "CodePage_ \"" + std::to_string(codePage) + "\"\r\n";
    }
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        WriteNode(out, *node.GetChildAt(i), level + 1, kCodePageNone);
    }
    Indent(out, level);
    out += "}\r\n";
}
