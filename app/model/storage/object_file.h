// LoadObject and SaveObject: a text storage file bound to an object through
// the field layout of its class (model/meta/layout.h).
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "base/files/atomic_file.h"
#include "model/core/exception.h"
#include "model/meta/layout.h"
#include "model/storage/node_name.h"
#include "model/storage/text_storage.h"
#include "model/storage/tree_file.h"

// Reads `object` from a text storage text: parses it whole into a new tree
// (the object is not touched when that fails), raises "empty tree!" when the
// root has no children, stores the code page in force at the end in
// *outCodePage when given (kCodePageNone = -1), selects `version` (null: the
// first) and loads the root into the object.  Throws Exception; a failure
// during the load leaves the object partly loaded.
template <class T>
void LoadObjectFromText(const char* version, int* outCodePage, std::string_view text, T& object) {
    TextStorage::TextNode root;
    int codePage = -1;
    ParseTree(text, root, &codePage);
    if (root.GetChildCount() == 0) throw Exception("empty tree!");
    if (outCodePage != nullptr) *outCodePage = codePage;
    ClassMetaClass<T>& meta = ClassMetaClass<T>::Instance();
    meta.SelectVersion(version);
    meta.Load(&root, object);
}

// The same from the file at `path`.  0 on success, -1 on any failure (the
// file cannot be read, does not parse, is empty, names an unknown type ...);
// the message is not shown.
template <class T>
int LoadObject(const char* version, int* outCodePage, const std::string& path, T& object) {
    try {
        std::string text;
        if (!base::ReadWholeFile(path, &text)) return -1;
        LoadObjectFromText(version, outCodePage, text, object);
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

// The object as text storage: a root named MakeNodeName(rootName) saved
// through the object's layout (version `version`, null: the first) and written
// with `codePage` (kCodePageNone: no CodePage_ line).  Throws Exception.
template <class T>
std::string SaveObjectToText(const char* version, const char* rootName, T& object, int codePage) {
    TextStorage::TextNode root(MakeNodeName(rootName != nullptr ? rootName : ""));
    ClassMetaClass<T>& meta = ClassMetaClass<T>::Instance();
    meta.SelectVersion(version);
    meta.Save(&root, object);
    return WriteTree(root, codePage);
}

// Writes the object as the file at `path`: the whole text is made first, then
// written to a temporary file beside the target, flushed and renamed over it.
// 0 on success; -1 on any failure, in which case the previous file is
// untouched and no temporary file remains.
template <class T>
int SaveObject(const char* version, const std::string& path, const char* rootName, T& object,
               int codePage) {
    try {
        const std::string text = SaveObjectToText(version, rootName, object, codePage);
        return base::WriteFileAtomically(path, text) ? 0 : -1;
    } catch (const std::exception&) {
        return -1;
    }
}
