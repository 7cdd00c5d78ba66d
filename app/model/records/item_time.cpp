#include "model/records/item_time.h"

#include <cstdio>

namespace {

ItemClock g_clock = nullptr;

// The month names of the "C" locale; the program never depends on the
// process locale for stored texts.
constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

}  // namespace

std::string FormatItemTime(std::time_t moment) {
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr) return std::string();
    const int month = local.tm_mon >= 0 && local.tm_mon < 12 ? local.tm_mon : 0;
    char text[128];
    std::snprintf(text, sizeof text, "%s %02d, %d %02d:%02d", kMonths[month], local.tm_mday,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

std::string NewItemTime() {
    return FormatItemTime(g_clock != nullptr ? g_clock() : std::time(nullptr));
}

void SetItemClock(ItemClock clock) {
    g_clock = clock;
}
