#include "model/storage/tree_file.h"

#include "base/files/atomic_file.h"
#include "model/storage/parser.h"
#include "model/storage/tokenizer.h"
#include "model/storage/writer.h"

void ParseTree(std::string_view text, StorageNode& root, int* codePage) {
    Tokenizer tokenizer(text);
    Parser parser(tokenizer);
    parser.Parse(root);
    if (codePage != nullptr) *codePage = parser.GetCodePage();
}

bool ReadTreeFile(const std::string& path, StorageNode& root, int* codePage) {
    std::string text;
    if (!base::ReadWholeFile(path, &text)) return false;
    ParseTree(text, root, codePage);
    return true;
}

std::string WriteTree(const StorageNode& root, int codePage) {
    std::string text;
    WriteNode(text, root, 0, codePage);
    return text;
}

bool WriteTreeFile(const std::string& path, const StorageNode& root, int codePage) {
    return base::WriteFileAtomically(path, WriteTree(root, codePage));
}
