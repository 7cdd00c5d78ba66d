// The title of an item window: "<name>: <time>" of the item.
#pragma once

#include <QString>

class COneItem;

namespace editors {

QString ItemTitle(const COneItem& item);

}  // namespace editors
