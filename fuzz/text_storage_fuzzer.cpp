// A case file (.hom): parsed and loaded into the case records (every rubric
// refreshed from the demo data), saved, parsed again.  The second parse must
// succeed and give the tree that was saved, and loading it again must save
// the same text: what the program writes it can always read back unchanged.
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "model/core/code_page.h"
#include "model/core/exception.h"
#include "model/meta/layout.h"
#include "model/records/case.h"
#include "model/storage/node_name.h"
#include "model/storage/text_storage.h"
#include "model/storage/tree_file.h"

namespace {

bool SameNode(const TextStorage::TextNode& a, const TextStorage::TextNode& b) {
    return a.GetName() == b.GetName() && a.HasValue() == b.HasValue() &&
           a.GetValue() == b.GetValue() && a.GetChildCount() == b.GetChildCount();
}

// Compared without recursion: item chains nest as deep as the format allows.
bool SameTree(const TextStorage::TextNode& a, const TextStorage::TextNode& b) {
    std::vector<std::pair<const StorageNode*, const StorageNode*>> pending{{&a, &b}};
    while (!pending.empty()) {
        const auto [left, right] = pending.back();
        pending.pop_back();
        const auto& x = static_cast<const TextStorage::TextNode&>(*left);
        const auto& y = static_cast<const TextStorage::TextNode&>(*right);
        if (!SameNode(x, y)) return false;
        for (std::size_t i = 0; i < x.GetChildCount(); ++i)
            pending.emplace_back(x.GetChildAt(i), y.GetChildAt(i));
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::UseDemoHome();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::unique_ptr<CCase> loaded = CCase::LoadText(fuzz::AsText(bytes, size));
    if (loaded == nullptr) return 0;

    // The tree the save makes (as CCase::SaveText does), then its text.
    TextStorage::TextNode saved(MakeNodeName(CCase::kRootName));
    std::string text;
    try {
        ClassMetaClass<CCase>& meta = ClassMetaClass<CCase>::Instance();
        meta.SelectVersion(nullptr);
        meta.Save(&saved, *loaded);
        text = WriteTree(saved, kCodePageNone);
    } catch (const Exception&) {
        return 0;  // a case the format cannot hold is refused, not written
    }
    TextStorage::TextNode reread;
    try {
        ParseTree(text, reread, nullptr);
    } catch (const Exception& problem) {
        fuzz::Require(false, problem.what());
    }
    fuzz::Require(SameTree(saved, reread), "the saved tree reads back the same");

    std::string error;
    std::unique_ptr<CCase> again = CCase::LoadText(text, &error);
    fuzz::Require(again != nullptr, error.c_str());
    fuzz::Require(again->SaveText() == text, "a saved case saves again the same");
    return 0;
}
