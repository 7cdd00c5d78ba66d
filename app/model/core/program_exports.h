// The functions the program exports by name (the executable is linked with
// ENABLE_EXPORTS), so that any code in the process, including modules loaded
// later, reaches the one language object and the one event bus.  The program
// defines them by forwarding:
//
//     extern "C" const char* LocalizeString(const char* text, int whole) {
//         return CLanguage::Get().LocalizeString(text, whole);
//     }
//     extern "C" CLanguage* GetLanguagePtr() { return &CLanguage::Get(); }
//     extern "C" event_client** GetHeadPtr() { return &EventBusHead(); }
//     extern "C" std::recursive_mutex* GetSectionPtr() { return &EventBusLock(); }
//
// Callers do not call these directly: they use Localize() (model/lang/localize.h),
// which finds LocalizeString among the program's exports and falls back to the
// English text when the running program has none.
#pragma once

#include <mutex>

class CLanguage;
class event_client;

extern "C" {
// `text` translated (whole != 0: the whole text first, then the parts in
// braces); the result stays valid until the program ends.
const char* LocalizeString(const char* text, int whole);
// The program's language object.
CLanguage* GetLanguagePtr();
// The head of the event bus's receiver list.
event_client** GetHeadPtr();
// The event bus's re-entrant lock.
std::recursive_mutex* GetSectionPtr();
}
