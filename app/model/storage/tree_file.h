// Text storage files as whole trees: the non-template half of LoadObject and
// SaveObject (object_file.h).
#pragma once

#include <string>
#include <string_view>

#include "model/storage/text_storage.h"

// Parses `text` into `root`; when `codePage` is given it receives the code
// page in force at the end (kCodePageNone = -1 without a "CodePage_").
// Throws Exception with the tokenizer's and the parser's messages.
void ParseTree(std::string_view text, StorageNode& root, int* codePage);

// Reads and parses the file at `path`.  False when the file cannot be read;
// throws Exception when it does not parse.
bool ReadTreeFile(const std::string& path, StorageNode& root, int* codePage);

// The tree as text storage (WriteNode at level 0).  Throws Exception.
std::string WriteTree(const StorageNode& root, int codePage);

// Writes the tree as the file at `path`, replacing it whole (a temporary file
// beside it, flushed, then renamed; on failure the previous file is untouched
// and no temporary file remains).  False when the file cannot be written;
// throws Exception when the tree cannot be written as text storage.
bool WriteTreeFile(const std::string& path, const StorageNode& root, int codePage);
