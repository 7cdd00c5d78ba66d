// Node names are identifiers (a letter, then letters, digits and underscores).
// Names taken from field names, class names or the root name pass through
// MakeNodeName first.
#pragma once

#include <string>
#include <string_view>

// `name` with every space, '{', '}', ',', '\\', '/', '"', '!', ':' and '.'
// replaced by '_'; all other characters stay ("Symptom Version" gives
// "Symptom_Version").
std::string MakeNodeName(std::string_view name);
