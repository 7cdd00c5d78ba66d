// The functions the program exports by name, so that every module in the
// process reaches the one language object and the one event bus.
#include "model/core/program_exports.h"

#include "model/events/event_client.h"
#include "model/lang/language.h"

extern "C" {

__attribute__((visibility("default"))) const char* LocalizeString(const char* text, int whole) {
    return CLanguage::Get().LocalizeString(text, whole);
}

__attribute__((visibility("default"))) CLanguage* GetLanguagePtr() { return &CLanguage::Get(); }

__attribute__((visibility("default"))) event_client** GetHeadPtr() { return &EventBusHead(); }

__attribute__((visibility("default"))) std::recursive_mutex* GetSectionPtr() {
    return &EventBusLock();
}

}  // extern "C"
