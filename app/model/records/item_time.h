// The creation time of a new case item, as the item keeps it in "Time": the
// local time written "%B %d, %Y %H:%M" with the English month names of the C
// library's "C" locale ("March 05, 2024 09:41"), whatever locale the process
// runs in.
#pragma once

#include <ctime>
#include <string>

// `moment` in local time, in the form above.
std::string FormatItemTime(std::time_t moment);

// The text a new item takes: FormatItemTime of the item clock's answer.
std::string NewItemTime();

// Replaces the clock new items read (null: the system clock).  Tests use it
// to make the stored times predictable.
using ItemClock = std::time_t (*)();
void SetItemClock(ItemClock clock);
