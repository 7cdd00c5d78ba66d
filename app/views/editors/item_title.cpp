#include "views/editors/item_title.h"

#include "model/records/one_item.h"
#include "plumbing/text/code_page.h"

namespace editors {

QString ItemTitle(const COneItem& item) {
    return plumbing::DecodeCodePage(item.GetName()) + QStringLiteral(": ") +
           plumbing::DecodeCodePage(item.GetTime());
}

}  // namespace editors
