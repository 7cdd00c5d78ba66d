// The writer of the text storage.
#pragma once

#include <string>

#include "model/storage/storage_node.h"

// Appends `node` and its subtree to `out` as text storage, indented four
// spaces per level, every line ended by CR LF:
//
// - a leaf (a value, no children) with a value of at most 64 bytes is one line:
//   the name, a space and the escaped value in double quotes;
// - a longer value is cut into 64-byte pieces, each escaped by itself and
//   quoted; the first follows the name, each further one stands on a line of
//   its own one level deeper, and all but the last are followed by " \";
// - any other node is a block: the name, then "{" and "}" on lines of their
//   own around the children; at level 0 with a code page other than
//   kCodePageNone the line CodePage_ "<number>" follows the opening brace,
//   unindented.
//
// Throws Exception "Writer:: ..." when a name is not an identifier or blocks
// nest deeper than TextStorage::kMaxDepth, since the file could not be read
// again.
void WriteNode(std::string& out, const StorageNode& node, int level, int codePage);
